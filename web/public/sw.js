// @ts-check
// The service worker: on the first visit it caches every file of the build under a name
// that carries the build's version (a hash of all the files' contents), then serves the page
// from that cache, offline too. A new version is cached whole before it takes over; the old
// caches are then deleted, so the page never mixes files of two versions.

const worker = /** @type {ServiceWorkerGlobalScope} */ (/** @type {unknown} */ (self));

/** The build's version and its files (relative to this file), written by the assemble step. */
const BUILD = /* assemble:build */ { version: 'unassembled', files: /** @type {string[]} */ ([]) } /* assemble:end */;

const PREFIX = 'quenaro-';
const CACHE = `${PREFIX}${BUILD.version}`;

worker.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Past the browser's HTTP cache, so that the version's files are the server's.
    await cache.addAll(BUILD.files.map((file) => new Request(file, { cache: 'reload' })));
    await worker.skipWaiting();
  })());
});

worker.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith(PREFIX) && name !== CACHE) await caches.delete(name);
    }
    await worker.clients.claim();
  })());
});

/**
 * The cached response for a request: a page of the app (any query) is index.html.
 * @param {Request} request
 */
async function respond(request) {
  const cache = await caches.open(CACHE);
  const url = new URL(request.url);
  const key = request.mode === 'navigate' && url.pathname.endsWith('/')
    ? new URL('index.html', worker.registration.scope).href : url.href;
  const cached = await cache.match(key, { ignoreSearch: true });
  return cached ?? fetch(request);
}

worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== worker.location.origin) return;
  event.respondWith(respond(request));
});
