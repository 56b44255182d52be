// @ts-check
// Assembles the web app into build/web/ (or --out DIR):
//   node web/tools/assemble.mjs <module-dir> [--out DIR]
// <module-dir> holds the WebAssembly build's quenaro.js and quenaro.wasm (the web build's
// src/web output folder). The step needs Debian's woff2 (woff2_compress), librsvg2-bin
// (rsvg-convert) and fonts-dejavu-core (scripts/install-deps installs them) and does:
//  1. copies web/public/ (the page, its script, styles and manifest) and the module;
//  2. compresses DejaVu Sans and DejaVu Sans Bold to WOFF2 under fonts/;
//  3. copies resources/pictures/*.png to pictures/ (the canvas backend loads them by name);
//  4. draws the icons (web/icons/*.svg) as PNGs of 192 and 512 pixels, and a maskable one;
//  5. copies the constellation figures' and the fonts' licences under licences/;
//  6. writes into sw.js the list of every file and the version, a hash of their contents;
//  7. prints each file's size and the gzip -9 total of what a first visit downloads.

import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync,
  writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, relative, resolve, sep } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const REPO_ROOT = resolve(fileURLToPath(new URL('../..', import.meta.url)));
const WEB = join(REPO_ROOT, 'web');

/** The module's files, required in the module folder, and one it may have (preloaded data). */
export const MODULE_FILES = ['quenaro.js', 'quenaro.wasm'];
const OPTIONAL_MODULE_FILES = ['quenaro.data'];
const FONT_DIR = '/usr/share/fonts/truetype/dejavu';
const FONTS = ['DejaVuSans', 'DejaVuSans-Bold'];
const FONT_LICENCE = '/usr/share/doc/fonts-dejavu-core/copyright';
const ICONS = [
  { svg: 'icon.svg', png: 'icon-192.png', size: 192 },
  { svg: 'icon.svg', png: 'icon-512.png', size: 512 },
  { svg: 'icon-maskable.svg', png: 'icon-maskable-512.png', size: 512 },
];

/** Where sw.js holds the build's version and files. */
const BUILD_MARK = /\/\* assemble:build \*\/[\s\S]*?\/\* assemble:end \*\//;

/**
 * Every file under the folder, as paths relative to it with forward slashes, sorted.
 * @param {string} folder
 * @returns {string[]}
 */
export function listFiles(folder) {
  /** @type {string[]} */
  const found = [];
  const walk = (/** @type {string} */ dir) => {
    for (const entry of readdirSync(dir, { withFileTypes: true })) {
      const path = join(dir, entry.name);
      if (entry.isDirectory()) walk(path);
      else if (entry.isFile()) found.push(relative(folder, path).split(sep).join('/'));
    }
  };
  walk(folder);
  return found.sort();
}

/**
 * The version of a set of files: a hash of their names and contents.
 * @param {string} folder
 * @param {string[]} files
 */
export function buildVersion(folder, files) {
  const hash = createHash('sha256');
  for (const file of files) {
    hash.update(file);
    hash.update('\0');
    hash.update(readFileSync(join(folder, file)));
    hash.update('\0');
  }
  return hash.digest('hex').slice(0, 16);
}

/**
 * The service worker with the build's version and files written in.
 * @param {string} source sw.js as written in web/public
 * @param {string} version
 * @param {string[]} files
 */
export function writeBuildInto(source, version, files) {
  if (!BUILD_MARK.test(source)) throw new Error('assemble: sw.js has no /* assemble:build */ mark');
  return source.replace(BUILD_MARK, () => JSON.stringify({ version, files }));
}

/**
 * Runs a tool, saying which Debian package brings it when it is missing.
 * @param {string} tool
 * @param {string[]} args
 * @param {string} debianPackage
 * @param {string} [cwd]
 */
function run(tool, args, debianPackage, cwd) {
  try {
    execFileSync(tool, args, { cwd, stdio: ['ignore', 'pipe', 'pipe'] });
  } catch (error) {
    const code = /** @type {{code?: string}} */ (error).code;
    if (code === 'ENOENT') {
      throw new Error(`assemble: ${tool} is missing (Debian package ${debianPackage}; scripts/install-deps)`);
    }
    const stderr = /** @type {{stderr?: Buffer}} */ (error).stderr?.toString() ?? '';
    throw new Error(`assemble: ${tool} ${args.join(' ')} failed: ${stderr.trim()}`);
  }
}

/**
 * @param {string} from
 * @param {string} to
 */
function copy(from, to) {
  mkdirSync(dirname(to), { recursive: true });
  copyFileSync(from, to);
}

/**
 * @typedef {object} AssembleOptions
 * @property {string} moduleDir the folder with quenaro.js and quenaro.wasm
 * @property {string} [out] the output folder (build/web)
 * @property {string} [publicDir] the page's files (web/public)
 * @property {string} [fontDir] where DejaVuSans.ttf and DejaVuSans-Bold.ttf are
 */

/**
 * Assembles the app and returns its files with their sizes.
 * @param {AssembleOptions} options
 * @returns {{out: string, version: string, files: {path: string, bytes: number, gzipBytes: number}[]}}
 */
export function assemble(options) {
  const out = resolve(options.out ?? join(REPO_ROOT, 'build', 'web'));
  const publicDir = options.publicDir ?? join(WEB, 'public');
  const fontDir = options.fontDir ?? FONT_DIR;
  const moduleDir = resolve(options.moduleDir);
  for (const file of MODULE_FILES) {
    if (!existsSync(join(moduleDir, file))) {
      throw new Error(`assemble: ${join(moduleDir, file)} is missing; build the web module first`);
    }
  }

  rmSync(out, { recursive: true, force: true });
  mkdirSync(out, { recursive: true });

  for (const file of listFiles(publicDir)) copy(join(publicDir, file), join(out, file));
  for (const file of MODULE_FILES) copy(join(moduleDir, file), join(out, file));
  for (const file of OPTIONAL_MODULE_FILES) {
    if (existsSync(join(moduleDir, file))) copy(join(moduleDir, file), join(out, file));
  }

  const scratch = mkdtempSync(join(tmpdir(), 'quenaro-fonts-'));
  try {
    for (const font of FONTS) {
      copy(join(fontDir, `${font}.ttf`), join(scratch, `${font}.ttf`));
      run('woff2_compress', [`${font}.ttf`], 'woff2', scratch);
      copy(join(scratch, `${font}.woff2`), join(out, 'fonts', `${font}.woff2`));
    }
  } finally {
    rmSync(scratch, { recursive: true, force: true });
  }

  const pictures = join(REPO_ROOT, 'resources', 'pictures');
  for (const file of listFiles(pictures).filter((name) => name.endsWith('.png'))) {
    copy(join(pictures, file), join(out, 'pictures', file));
  }

  const icons = join(WEB, 'icons');
  copy(join(icons, 'icon.svg'), join(out, 'icons', 'icon.svg'));
  for (const icon of ICONS) {
    run('rsvg-convert', ['--width', String(icon.size), '--height', String(icon.size),
      '--output', join(out, 'icons', icon.png), join(icons, icon.svg)], 'librsvg2-bin');
  }

  copy(join(REPO_ROOT, 'resources', 'Constellation.LICENSE'),
    join(out, 'licences', 'Constellation.LICENSE.txt'));
  copy(FONT_LICENCE, join(out, 'licences', 'DejaVu-fonts.txt'));

  const cached = listFiles(out).filter((file) => file !== 'sw.js');
  const version = buildVersion(out, cached);
  const worker = join(out, 'sw.js');
  writeFileSync(worker, writeBuildInto(readFileSync(worker, 'utf8'), version, cached));

  const files = listFiles(out).map((path) => {
    const bytes = readFileSync(join(out, path));
    return { path, bytes: bytes.length, gzipBytes: gzipSync(bytes, { level: 9 }).length };
  });
  return { out, version, files };
}

/**
 * The size report: one line a file, then the totals.
 * @param {{version: string, files: {path: string, bytes: number, gzipBytes: number}[]}} result
 */
export function sizeReport(result) {
  const width = Math.max(...result.files.map((file) => file.path.length));
  const lines = result.files.map((file) =>
    `${file.path.padEnd(width)}  ${String(file.bytes).padStart(9)} bytes  ${String(file.gzipBytes).padStart(9)} gzip -9`);
  const total = result.files.reduce((sum, file) => sum + file.bytes, 0);
  const gzipTotal = result.files.reduce((sum, file) => sum + file.gzipBytes, 0);
  lines.push(`${result.files.length} files, ${total} bytes; a first visit downloads all of them: ` +
    `${gzipTotal} bytes with gzip -9 (${(gzipTotal / 1048576).toFixed(2)} MiB); version ${result.version}`);
  return lines.join('\n');
}

if (process.argv[1] !== undefined && import.meta.url === pathToFileURL(resolve(process.argv[1])).href) {
  const args = process.argv.slice(2);
  const outIndex = args.indexOf('--out');
  const out = outIndex >= 0 ? args[outIndex + 1] : undefined;
  const rest = outIndex >= 0 ? args.filter((_, i) => i !== outIndex && i !== outIndex + 1) : args;
  if (rest.length !== 1 || (outIndex >= 0 && out === undefined)) {
    console.error('usage: node web/tools/assemble.mjs <folder with quenaro.js and quenaro.wasm> [--out DIR]');
    process.exit(2);
  }
  try {
    const result = assemble({ moduleDir: rest[0], out });
    console.log(sizeReport(result));
    console.log(`Assembled ${result.out}`);
  } catch (error) {
    console.error(error instanceof Error ? error.message : error);
    process.exit(1);
  }
}
