// Keeps the page working offline: every file of the page is cached on the first visit and served
// from the cache after; a newer file is fetched in the background and used on the next visit.
// One cache per version of the program (the build writes the version in): a new version is
// cached whole before it is used, and the old cache goes.
const cacheName = 'quorvel-@PROJECT_VERSION@@QUORVEL_VERSION_SUFFIX@';
// Every file the page uses; the module holds the language files (languages/ is built into it).
const files = [
  './', 'index.html', 'style.css', 'page.js', 'work.js', 'curve.js', 'targets.js', 'quorvel.js', 'quorvel.wasm',
  'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
];
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => {
      const cached = await cache.match(event.request, { ignoreSearch: true });
      const fresh = fetch(event.request)
        .then((response) => {
          if (response.ok) cache.put(event.request, response.clone());
          return response;
        })
        .catch(() => cached);
      return cached || fresh;
    }),
  );
});
