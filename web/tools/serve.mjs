// @ts-check
// A static server for the assembled page on the loopback address:
//   node web/tools/serve.mjs [PORT] [--root DIR]
// PORT defaults to 8080 (0 picks a free one); DIR to build/web. Prints the address.

import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

/** The repository's root, two folders above this file. */
export const REPO_ROOT = resolve(fileURLToPath(new URL('../..', import.meta.url)));

/** Content types by file extension; the WebAssembly one lets the browser compile as it loads. */
export const CONTENT_TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8',
  '.data': 'application/octet-stream',
};

/**
 * The content type of a file by its name.
 * @param {string} path
 */
export function contentType(path) {
  return /** @type {Record<string, string>} */ (CONTENT_TYPES)[extname(path).toLowerCase()] ??
    'application/octet-stream';
}

/**
 * The file a request path names under the root, or none when it would leave the root or is
 * not a path at all.
 * @param {string} root an absolute folder
 * @param {string} requestPath the URL's path ("/js/main.js", "/")
 * @returns {string | undefined}
 */
export function resolveRequest(root, requestPath) {
  let decoded;
  try {
    decoded = decodeURIComponent(requestPath);
  } catch {
    return undefined;
  }
  if (decoded.includes('\0')) return undefined;
  const file = resolve(root, `.${decoded.startsWith('/') ? decoded : `/${decoded}`}`);
  if (file !== root && !file.startsWith(root + sep)) return undefined;
  return decoded.endsWith('/') ? join(file, 'index.html') : file;
}

/**
 * Serves the folder on 127.0.0.1.
 * @param {{root: string, port?: number}} options
 * @returns {Promise<{url: string, port: number, close: () => Promise<void>}>}
 */
export async function startServer({ root, port = 8080 }) {
  const folder = resolve(root);
  const server = createServer(async (request, response) => {
    const send = (/** @type {number} */ status, /** @type {string} */ text) => {
      response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8' });
      response.end(request.method === 'HEAD' ? undefined : text);
    };
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.setHeader('Allow', 'GET, HEAD');
      send(405, 'Only GET and HEAD\n');
      return;
    }
    const path = new URL(request.url ?? '/', 'http://127.0.0.1').pathname;
    let file = resolveRequest(folder, path);
    if (file === undefined) {
      send(400, 'Bad path\n');
      return;
    }
    let info = await stat(file).catch(() => undefined);
    if (info?.isDirectory()) {
      file = join(file, 'index.html');
      info = await stat(file).catch(() => undefined);
    }
    if (info === undefined || !info.isFile()) {
      send(404, `Not found: ${path}\n`);
      return;
    }
    response.writeHead(200, {
      'Content-Type': contentType(file),
      'Content-Length': info.size,
      // Always asked again, so that a new build is seen (the service worker keeps the copy
      // for offline use).
      'Cache-Control': 'no-cache',
      'X-Content-Type-Options': 'nosniff',
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    createReadStream(file).on('error', () => response.destroy()).pipe(response);
  });
  await new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(undefined));
  });
  const address = server.address();
  const bound = typeof address === 'object' && address !== null ? address.port : port;
  return {
    url: `http://127.0.0.1:${bound}/`,
    port: bound,
    close: () => new Promise((done) => {
      server.closeAllConnections();
      server.close(() => done(undefined));
    }),
  };
}

/**
 * The command line: the port (default 8080) and --root.
 * @param {string[]} args
 */
export function parseArguments(args) {
  let port = 8080;
  let root = join(REPO_ROOT, 'build', 'web');
  for (let i = 0; i < args.length; i += 1) {
    const arg = args[i];
    if (arg === '--root' && i + 1 < args.length) {
      root = resolve(args[i += 1]);
    } else if (/^\d+$/.test(arg) && Number(arg) <= 65535) {
      port = Number(arg);
    } else {
      throw new Error(`serve: "${arg}" is neither a port (0-65535) nor --root DIR`);
    }
  }
  return { port, root };
}

if (process.argv[1] !== undefined && import.meta.url === pathToFileURL(resolve(process.argv[1])).href) {
  try {
    const { port, root } = parseArguments(process.argv.slice(2));
    if (!(await stat(join(root, 'index.html')).catch(() => undefined))) {
      console.error(`serve: ${root} has no index.html; assemble the page first ` +
        '(node web/tools/assemble.mjs <folder with quenaro.js and quenaro.wasm>)');
      process.exit(2);
    }
    const { url } = await startServer({ root, port });
    console.log(`Serving ${root} at ${url}`);
  } catch (error) {
    console.error(error instanceof Error ? error.message : error);
    process.exit(2);
  }
}
