// @ts-check
// The build step and the static server: what assemble writes (every file, the fonts, the
// icons, the service worker's list and version, the size report), and what serve answers.

import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { promisify } from 'node:util';
import { buildVersion, listFiles, writeBuildInto } from '../tools/assemble.mjs';
import { REPO_ROOT, contentType, resolveRequest, startServer } from '../tools/serve.mjs';

const run = promisify(execFile);
const scratch = mkdtempSync(join(tmpdir(), 'quenaro-tools-'));
after(() => rmSync(scratch, { recursive: true, force: true }));

/**
 * The service worker's build as assemble wrote it.
 * @param {string} source
 * @returns {{version: string, files: string[]}}
 */
function workerBuild(source) {
  const match = /const BUILD = (\{.*\});/.exec(source);
  assert.ok(match, 'sw.js holds its build');
  return JSON.parse(match[1]);
}

describe('assemble', () => {
  const out = join(scratch, 'web');
  const moduleDir = join(scratch, 'module');
  let report = '';

  before(async () => {
    // Placeholder module files: this checks the copying, not the module.
    mkdirSync(moduleDir);
    writeFileSync(join(moduleDir, 'quenaro.js'), 'export default async function createQuenaro() {}\n');
    writeFileSync(join(moduleDir, 'quenaro.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]));
    const { stdout } = await run(process.execPath,
      [join(REPO_ROOT, 'web', 'tools', 'assemble.mjs'), moduleDir, '--out', out]);
    report = stdout;
  });

  test('copies the page, the module, the pictures and the licences', () => {
    const files = listFiles(out);
    for (const file of ['index.html', 'app.css', 'js/main.js', 'js/app.js', 'manifest.webmanifest',
      'sw.js', 'quenaro.js', 'quenaro.wasm', 'licences/Constellation.LICENSE.txt',
      'licences/DejaVu-fonts.txt']) {
      assert.ok(files.includes(file), `${file} is in the build`);
    }
    const pictures = readdirSync(join(REPO_ROOT, 'resources', 'pictures')).filter((f) => f.endsWith('.png'));
    assert.ok(pictures.includes('Sun@2x.png') && pictures.includes('Aries.png'));
    assert.deepEqual(files.filter((f) => f.startsWith('pictures/')).map((f) => f.slice(9)), pictures.sort());
    assert.deepEqual(readFileSync(join(out, 'pictures', 'Sun.png')),
      readFileSync(join(REPO_ROOT, 'resources', 'pictures', 'Sun.png')));
    assert.match(readFileSync(join(out, 'licences', 'Constellation.LICENSE.txt'), 'utf8'),
      /Copyright \(c\) 2015, Olaf Frohn/);
    assert.match(readFileSync(join(out, 'licences', 'DejaVu-fonts.txt'), 'utf8'), /Bitstream/);
  });

  test('the fonts are WOFF2', () => {
    for (const font of ['DejaVuSans', 'DejaVuSans-Bold']) {
      const bytes = readFileSync(join(out, 'fonts', `${font}.woff2`));
      assert.equal(bytes.subarray(0, 4).toString('latin1'), 'wOF2', font);
      assert.ok(bytes.length > 100000, `${font} holds the whole font`);
    }
  });

  /** @type {[string, number][]} */
  const icons = [['icon-192.png', 192], ['icon-512.png', 512], ['icon-maskable-512.png', 512]];
  for (const [icon, size] of icons) {
    test(`the icon ${icon} is a PNG of ${size} × ${size}`, () => {
      const png = readFileSync(join(out, 'icons', icon));
      assert.equal(png.subarray(1, 4).toString('latin1'), 'PNG');
      assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [size, size]);
    });
  }

  test('the manifest names the app and every icon it lists exists', () => {
    const manifest = JSON.parse(readFileSync(join(out, 'manifest.webmanifest'), 'utf8'));
    assert.equal(manifest.name, 'Quenaro');
    assert.equal(manifest.display, 'standalone');
    assert.ok(manifest.icons.some((/** @type {{purpose: string}} */ icon) => icon.purpose === 'maskable'));
    const files = listFiles(out);
    for (const icon of manifest.icons) assert.ok(files.includes(icon.src), icon.src);
  });

  test('the service worker lists every other file, its version their hash', () => {
    const build = workerBuild(readFileSync(join(out, 'sw.js'), 'utf8'));
    const others = listFiles(out).filter((file) => file !== 'sw.js');
    assert.deepEqual(build.files, others);
    assert.equal(build.version, buildVersion(out, others));
    assert.match(build.version, /^[0-9a-f]{16}$/);
  });

  test('a changed file, or a renamed one, gives another version', () => {
    const copy = join(scratch, 'changed');
    mkdirSync(copy);
    writeFileSync(join(copy, 'a.txt'), 'one');
    writeFileSync(join(copy, 'b.txt'), 'two');
    const first = buildVersion(copy, ['a.txt', 'b.txt']);
    writeFileSync(join(copy, 'b.txt'), 'twO');
    const second = buildVersion(copy, ['a.txt', 'b.txt']);
    writeFileSync(join(copy, 'c.txt'), 'twO');
    const third = buildVersion(copy, ['a.txt', 'c.txt']);
    assert.equal(new Set([first, second, third]).size, 3);
    assert.equal(buildVersion(copy, ['a.txt', 'c.txt']), third);
  });

  test('the worker without its mark is refused', () => {
    assert.throws(() => writeBuildInto('const BUILD = {};', 'v', []), /assemble:build/);
    assert.equal(writeBuildInto('x = /* assemble:build */ {} /* assemble:end */;', 'ab', ['a']),
      'x = {"version":"ab","files":["a"]};');
  });

  test('prints every file\'s size and the gzip -9 total of a first visit', () => {
    const lines = report.trim().split('\n');
    const files = listFiles(out);
    for (const file of files) {
      assert.ok(lines.some((line) => line.startsWith(`${file} `)), `${file} has a line`);
    }
    const total = /(\d+) files, (\d+) bytes; a first visit downloads all of them: (\d+) bytes with gzip -9/
      .exec(report);
    assert.ok(total, report);
    assert.equal(Number(total[1]), files.length);
    const bytes = files.reduce((sum, file) => sum + readFileSync(join(out, file)).length, 0);
    assert.equal(Number(total[2]), bytes);
    assert.ok(Number(total[3]) > 0 && Number(total[3]) < bytes);
  });

  test('without the module it stops, naming the missing file', async () => {
    const empty = join(scratch, 'empty');
    mkdirSync(empty);
    await assert.rejects(run(process.execPath, [join(REPO_ROOT, 'web', 'tools', 'assemble.mjs'), empty,
      '--out', join(scratch, 'never')]), /quenaro\.js is missing/);
  });
});

describe('serve', () => {
  const root = join(scratch, 'site');
  /** @type {{url: string, close: () => Promise<void>}} */
  let server;

  before(async () => {
    mkdirSync(join(root, 'js'), { recursive: true });
    writeFileSync(join(root, 'index.html'), '<!doctype html><title>t</title>');
    writeFileSync(join(root, 'js', 'main.js'), 'export {};');
    writeFileSync(join(root, 'quenaro.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d]));
    writeFileSync(join(root, 'manifest.webmanifest'), '{}');
    writeFileSync(join(scratch, 'secret.txt'), 'outside');
    server = await startServer({ root, port: 0 });
  });
  after(() => server.close());

  /** @type {[string, string | undefined][]} */
  const paths = [
    ['/', join(root, 'index.html')],
    ['/js/main.js', join(root, 'js', 'main.js')],
    ['/js/', join(root, 'js', 'index.html')],
    ['/a%20b.txt', join(root, 'a b.txt')],
    ['/../secret.txt', undefined],
    ['/%2e%2e/secret.txt', undefined],
    ['/js/%2e%2e/%2e%2e/secret.txt', undefined],
    ['/a%00b', undefined],
    ['/%E0%A4%A', undefined],
  ];
  for (const [path, file] of paths) {
    test(`the path ${path} is ${file === undefined ? 'refused' : 'served from the root'}`, () => {
      assert.equal(resolveRequest(root, path), file);
    });
  }

  /** @type {[string, string][]} */
  const types = [
    ['quenaro.wasm', 'application/wasm'],
    ['manifest.webmanifest', 'application/manifest+json; charset=utf-8'],
    ['js/main.js', 'text/javascript; charset=utf-8'],
    ['index.html', 'text/html; charset=utf-8'],
    ['fonts/DejaVuSans.woff2', 'font/woff2'],
    ['icons/icon.svg', 'image/svg+xml'],
    ['pictures/Sun@2x.png', 'image/png'],
    ['README', 'application/octet-stream'],
  ];
  for (const [file, type] of types) {
    test(`${file} is served as ${type}`, () => assert.equal(contentType(file), type));
  }

  /** @type {[string, string, number, string | undefined][]} */
  const requests = [
    ['GET', '/', 200, 'text/html; charset=utf-8'],
    ['GET', '/?date=2026-12-07T21:08', 200, 'text/html; charset=utf-8'],
    ['GET', '/quenaro.wasm', 200, 'application/wasm'],
    ['GET', '/manifest.webmanifest', 200, 'application/manifest+json; charset=utf-8'],
    ['HEAD', '/js/main.js', 200, 'text/javascript; charset=utf-8'],
    ['GET', '/missing.js', 404, undefined],
    ['GET', '/..%2fsecret.txt', 400, undefined],
    ['GET', '/%2e%2e/secret.txt', 404, undefined],
    ['POST', '/', 405, undefined],
  ];
  for (const [method, path, status, type] of requests) {
    test(`${method} ${path} answers ${status}`, async () => {
      const response = await fetch(new URL(path, server.url), { method });
      assert.equal(response.status, status);
      if (type !== undefined) assert.equal(response.headers.get('content-type'), type);
      const body = await response.text();
      assert.ok(!body.includes('outside'));
      if (method === 'HEAD') assert.equal(body, '');
      if (status === 200) assert.equal(response.headers.get('cache-control'), 'no-cache');
    });
  }

  test('serve.mjs prints its address and serves the folder', async () => {
    const { spawn } = await import('node:child_process');
    const child = spawn(process.execPath, [join(REPO_ROOT, 'web', 'tools', 'serve.mjs'), '0',
      '--root', root], { stdio: ['ignore', 'pipe', 'pipe'] });
    try {
      const address = await new Promise((resolve, reject) => {
        let text = '';
        child.stdout.on('data', (chunk) => {
          text += chunk;
          const found = /http:\/\/127\.0\.0\.1:(\d+)\//.exec(text);
          if (found) resolve(found[0]);
        });
        child.once('exit', (code) => reject(new Error(`serve exited with ${code}`)));
      });
      const response = await fetch(address);
      assert.equal(response.status, 200);
      assert.match(await response.text(), /<title>t<\/title>/);
    } finally {
      child.kill();
    }
  });
});
