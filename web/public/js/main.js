// @ts-check
// Starts the page: the service worker, the fonts, the WebAssembly module, then the almanac
// with its screens, from the settings and the link.

import { App } from './app.js';
import { element } from './dom.js';
import { attachChartInput, attachDialInput } from './input.js';
import { readLink } from './link.js';
import { attachAbout, attachCalculator, attachControls, attachPlaceDialog, attachPreferences }
  from './screens.js';

/** @typedef {import('../../types/quenaro.js').QuenaroFactory} QuenaroFactory */

/**
 * Keeps the page offline-ready. A new version's worker takes over as soon as it has cached
 * every file; the page then loads again, whole from the new cache.
 */
function registerServiceWorker() {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  // The first worker to take control (on the first visit) finds this page already whole;
  // any later one brings a new version.
  let controlled = navigator.serviceWorker.controller !== null;
  let reloading = false;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (controlled && !reloading) {
      reloading = true;
      location.reload();
    }
    controlled = true;
  });
  navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn('The page will not work offline:', error);
  });
}

/** The fonts the views draw with, loaded before the first drawing. */
async function loadFonts() {
  try {
    await Promise.all([
      document.fonts.load("12px 'DejaVu Sans'"),
      document.fonts.load("bold 12px 'DejaVu Sans'"),
    ]);
  } catch (error) {
    console.warn('The fonts did not load:', error);
  }
}

/** The browser's storage, or one kept in memory where the browser refuses it. */
function settingsStorage() {
  try {
    const probe = 'quenaro.probe';
    localStorage.setItem(probe, '1');
    localStorage.removeItem(probe);
    return localStorage;
  } catch {
    /** @type {Map<string, string>} */
    const values = new Map();
    return {
      getItem: (/** @type {string} */ key) => values.get(key) ?? null,
      setItem: (/** @type {string} */ key, /** @type {string} */ value) => { values.set(key, value); },
      removeItem: (/** @type {string} */ key) => { values.delete(key); },
    };
  }
}

async function boot() {
  const status = element('status');
  registerServiceWorker();
  let module;
  try {
    const fonts = loadFonts();
    const imported = await import(new URL('../quenaro.js', import.meta.url).href);
    /** @type {QuenaroFactory} */
    const factory = imported.default ?? imported.createQuenaro;
    module = await factory({});
    // The sign and planet pictures the views draw by name, decoded before the first drawing.
    await Promise.all([fonts, module.quenaroLoadPictures(new URL('../pictures/', import.meta.url).href)]);
  } catch (error) {
    status.textContent = `The almanac could not be loaded: ${error instanceof Error ? error.message : error}`;
    status.classList.add('problem');
    return;
  }

  const app = new App(module, settingsStorage(), navigator.language || 'en');
  attachControls(app);
  attachDialInput(app);
  attachChartInput(app);
  attachPlaceDialog(app);
  attachPreferences(app);
  attachAbout();
  attachCalculator(app);
  app.start(readLink(location.search));
  status.hidden = true;
  app.showView(app.view, false);
  app.refreshControls();

  const resize = new ResizeObserver(() => app.layout());
  for (const box of [app.dom.dialBox, app.dom.underDial, app.dom.chartBox, app.dom.sheetScreen]) {
    resize.observe(box);
  }
  // A change of zoom changes the device pixel ratio; the canvases take the new one.
  window.addEventListener('resize', () => app.layout());
  document.addEventListener('visibilitychange', () => {
    app.clock.setVisible(document.visibilityState === 'visible');
  });
  if (document.visibilityState !== 'visible') app.clock.setVisible(false);

  // The app on the page's global, for the console and the browser tests.
  Object.assign(globalThis, { quenaro: { app, almanac: app.almanac, module } });
  document.documentElement.dataset.ready = 'true';
}

boot();
