// @ts-check
// The page's controls and screens: the tabs, the moment's pickers and Now, the place screen,
// the preferences, night mode, the calculator, export and about.

import { element } from './dom.js';
import { redCopy } from './night.js';
import { coordinatesText, parseCoordinates } from './place.js';
import { PREFERENCE_KEYS, restoreDefaults } from './settings.js';

/** @typedef {import('./app.js').App} App */
/** @typedef {import('./link.js').View} View */
/** @typedef {import('./settings.js').Settings} Settings */

/** The calculator's six values, in the order of its modes (keys 100-105). */
export const VALUE_TITLES = ['Altitude', 'Azimuth', 'Right Ascension', 'Declination', 'Latitude',
  'Longitude'];

/**
 * The two sign keys' titles from calculatorSignTitles(): "+" and "-" (given one a line, or
 * apart by blanks, or as two characters), or two empty titles where the value has no sign.
 * @param {string} text
 * @returns {[string, string]}
 */
export function splitSignTitles(text) {
  const parts = text.split(/\s+/).filter((part) => part !== '');
  if (parts.length === 2) return [parts[0], parts[1]];
  if (parts.length === 1) {
    const characters = [...parts[0]];
    if (characters.length === 2) return [characters[0], characters[1]];
  }
  return ['', ''];
}

/**
 * The calculator's table from calculatorTable(): one "Title\tvalue" line a value, in the
 * order of the modes; a line without its title takes the mode's.
 * @param {string} text
 * @returns {[string, string][]}
 */
export function calculatorRows(text) {
  const lines = text.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  return lines.map((line, index) => {
    const tab = line.indexOf('\t');
    return tab < 0 ? [VALUE_TITLES[index] ?? '', line] : [line.slice(0, tab), line.slice(tab + 1)];
  });
}

/**
 * The file name of an exported view: "quenaro-orrery-2026-12-07T21-08.png".
 * @param {string} view
 * @param {string} linkDate
 */
export function exportFileName(view, linkDate) {
  const when = linkDate.replace(/:/g, '-').replace(/[^0-9A-Za-z+\-T]/g, '');
  return `quenaro-${view}${when === '' ? '' : `-${when}`}.png`;
}

/** @param {App} app */
export function attachControls(app) {
  for (const tab of document.querySelectorAll('.tabs [role="tab"]')) {
    tab.addEventListener('click', () => {
      app.showView(/** @type {View} */ (tab.getAttribute('data-view')));
    });
  }

  const { dateInput, timeInput } = app.dom;
  const pick = () => {
    if (dateInput.value === '' || timeInput.value === '') return;
    const problem = app.pickWallTime(dateInput.value, timeInput.value);
    if (problem !== '') app.showNotice([problem]);
  };
  dateInput.addEventListener('change', pick);
  timeInput.addEventListener('change', pick);
  // A field left empty shows the model's moment again.
  dateInput.addEventListener('blur', () => app.refreshControls());
  timeInput.addEventListener('blur', () => app.refreshControls());
  element('now-button').addEventListener('click', () => {
    app.hidePickers();
    app.followClock();
  });
  element('notice-close').addEventListener('click', () => app.showNotice([]));

  const nightButton = element('night-button');
  const showNight = () => nightButton.setAttribute('aria-pressed', String(app.settings.NightMode));
  nightButton.addEventListener('click', () => {
    app.setSetting('NightMode', !app.settings.NightMode);
    showNight();
  });
  showNight();

  const sheetMode = element('sheet-mode');
  const showSheetMode = () => {
    sheetMode.setAttribute('aria-pressed', String(app.settings.SheetAsText));
    sheetMode.textContent = app.settings.SheetAsText ? 'Show the page' : 'Show as text';
  };
  sheetMode.addEventListener('click', () => {
    app.setSetting('SheetAsText', !app.settings.SheetAsText);
    showSheetMode();
    app.layout();
  });
  showSheetMode();

  element('export-button').addEventListener('click', () => {
    exportView(app).catch((error) => app.showNotice([`Export failed: ${error}`]));
  });
}

/**
 * Saves the view shown (the dial, the chart or the sheet's page) as a PNG through a download
 * link, red in night mode.
 * @param {App} app
 */
export async function exportView(app) {
  const canvas = app.view === 'orrery' ? app.dom.dial : app.view === 'sky' ? app.dom.chart
    : app.view === 'sheet' ? app.dom.sheet : undefined;
  if (canvas === undefined) {
    app.showNotice(['Export: the calculator has no picture; choose the Orrery, Sky or Sheet.']);
    return;
  }
  app.renderNow();
  const source = app.settings.NightMode ? redCopy(canvas) : canvas;
  /** @type {Blob | null} */
  const blob = await new Promise((resolve) => source.toBlob(resolve, 'image/png'));
  if (blob === null) throw new Error('the picture could not be made');
  const url = URL.createObjectURL(blob);
  const link = /** @type {HTMLAnchorElement} */ (element('download-link'));
  link.href = url;
  link.download = exportFileName(app.view, app.almanac.linkDate());
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

/** @param {App} app */
export function attachPlaceDialog(app) {
  const dialog = /** @type {HTMLDialogElement} */ (element('place-dialog'));
  const search = /** @type {HTMLInputElement} */ (element('place-search'));
  const results = element('place-results');
  const lat = /** @type {HTMLInputElement} */ (element('place-lat'));
  const lon = /** @type {HTMLInputElement} */ (element('place-lon'));
  const typedZone = element('place-typed-zone');
  const problem = element('place-problem');
  const zoneBox = /** @type {HTMLInputElement} */ (element('place-zone'));
  const zoneHint = element('place-zone-hint');
  /** @type {ReturnType<typeof setTimeout> | undefined} */
  let searchTimer;

  const showZoneHint = () => {
    zoneHint.textContent = `The place's zone: ${app.place.zone || 'not known'}. ` +
      `The device's zone: ${app.deviceZone()}.`;
  };

  const showTyped = () => {
    if (lat.value.trim() === '' && lon.value.trim() === '') {
      typedZone.textContent = '';
      return;
    }
    const typed = parseCoordinates(lat.value, lon.value);
    typedZone.textContent = 'problem' in typed ? typed.problem
      : `${coordinatesText(typed.latitude, typed.longitude)}, zone ${app.zoneAt(typed.latitude, typed.longitude)}`;
  };

  const showResults = () => {
    searchTimer = undefined;
    const query = search.value.trim();
    if (query === '') {
      results.replaceChildren();
      return;
    }
    const found = app.searchPlaces(query, 10);
    if (found.length === 0) {
      const none = document.createElement('li');
      none.className = 'hint';
      none.textContent = `No place of the gazetteer starts with "${query}".`;
      results.replaceChildren(none);
      return;
    }
    results.replaceChildren(...found.map((place) => {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      const name = document.createElement('span');
      name.textContent = place.label || place.name;
      const detail = document.createElement('small');
      const people = place.population > 0 ? `, ${place.population.toLocaleString('en')} people` : '';
      detail.textContent = `${coordinatesText(place.latitude, place.longitude)}, ${place.zone}${people}`;
      button.append(name, detail);
      button.addEventListener('click', () => {
        if (app.choosePlace(place.latitude, place.longitude, place.label || place.name, place.zone)) {
          dialog.close();
        }
      });
      item.append(button);
      return item;
    }));
  };

  app.dom.placeLine.addEventListener('click', () => {
    search.value = '';
    results.replaceChildren();
    problem.textContent = '';
    lat.value = String(app.almanac.latitude());
    lon.value = String(app.almanac.longitude());
    showTyped();
    zoneBox.checked = app.settings.UsePlaceTimeZone;
    showZoneHint();
    dialog.showModal();
    search.focus();
  });

  search.addEventListener('input', () => {
    if (searchTimer !== undefined) clearTimeout(searchTimer);
    searchTimer = setTimeout(showResults, 120);
  });
  search.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    if (searchTimer !== undefined) {
      clearTimeout(searchTimer);
      showResults();
    }
    results.querySelector('button')?.click();
  });

  lat.addEventListener('input', showTyped);
  lon.addEventListener('input', showTyped);
  element('place-use-typed').addEventListener('click', () => {
    const typed = parseCoordinates(lat.value, lon.value);
    if ('problem' in typed) {
      problem.textContent = typed.problem;
      return;
    }
    app.choosePlace(typed.latitude, typed.longitude, '', app.zoneAt(typed.latitude, typed.longitude));
    dialog.close();
  });

  element('place-locate').addEventListener('click', () => {
    if (!('geolocation' in navigator)) {
      problem.textContent = 'This browser gives no location.';
      return;
    }
    problem.textContent = 'Finding your location…';
    navigator.geolocation.getCurrentPosition((position) => {
      const { latitude, longitude } = position.coords;
      problem.textContent = '';
      if (app.choosePlace(latitude, longitude, '', app.zoneAt(latitude, longitude))) dialog.close();
    }, (error) => {
      problem.textContent = `Your location is not available: ${error.message || 'refused'}.`;
    }, { enableHighAccuracy: false, timeout: 30000, maximumAge: 600000 });
  });

  zoneBox.addEventListener('change', () => {
    app.setSetting('UsePlaceTimeZone', zoneBox.checked);
    showZoneHint();
  });
}

/** @param {App} app */
export function attachPreferences(app) {
  const dialog = /** @type {HTMLDialogElement} */ (element('prefs-dialog'));
  const magnitude = element('magnitude-value');

  const fill = () => {
    const s = app.settings;
    for (const key of PREFERENCE_KEYS) {
      for (const input of dialog.querySelectorAll(`input[name="${key}"]`)) {
        const field = /** @type {HTMLInputElement} */ (input);
        if (field.type === 'checkbox') field.checked = Boolean(s[key]);
        else if (field.type === 'radio') field.checked = field.value === String(s[key]);
        else field.value = String(s[key]);
      }
    }
    magnitude.textContent = s.ShowMinMagnitude.toFixed(1);
  };

  dialog.addEventListener('input', (event) => {
    const field = /** @type {HTMLInputElement} */ (event.target);
    const key = /** @type {keyof Settings} */ (field.name);
    if (!(/** @type {readonly string[]} */ (PREFERENCE_KEYS)).includes(key)) return;
    if (field.type === 'radio' && !field.checked) return;
    const value = field.type === 'checkbox' ? field.checked
      : key === 'Metric' ? field.value === 'true'
        : key === 'Positions' ? field.value : Number(field.value);
    app.setSetting(key, value);
    fill();
  });

  element('prefs-restore').addEventListener('click', () => {
    restoreDefaults(app.storage);
    app.reloadSettings();
    fill();
  });

  element('prefs-button').addEventListener('click', () => {
    fill();
    dialog.showModal();
  });
}

/** The about screen, its licence texts fetched when first opened. */
export function attachAbout() {
  const dialog = /** @type {HTMLDialogElement} */ (element('about-dialog'));
  element('about-button').addEventListener('click', () => {
    for (const pre of dialog.querySelectorAll('pre[data-src]')) {
      if (pre.textContent !== '') continue;
      const source = pre.getAttribute('data-src') ?? '';
      fetch(source).then((response) => {
        if (!response.ok) throw new Error(`${response.status}`);
        return response.text();
      }).then((text) => { pre.textContent = text; }, () => {
        pre.textContent = `The licence text (${source}) could not be loaded.`;
      });
    }
    dialog.showModal();
  });
}

/** @param {App} app */
export function attachCalculator(app) {
  const screen = element('calculator');
  const modes = [...screen.querySelectorAll('#calc-modes .mode')];
  const entry = element('calc-entry');
  const table = /** @type {HTMLTableSectionElement} */ (element('calc-table').querySelector('tbody'));
  const positive = /** @type {HTMLButtonElement} */ (element('sign-positive'));
  const negative = /** @type {HTMLButtonElement} */ (element('sign-negative'));

  const refresh = () => {
    if (app.view !== 'calculator') return;
    const a = app.almanac;
    const mode = a.calculatorMode();
    const labels = a.calculatorLabels().split('\n');
    modes.forEach((button, index) => {
      button.setAttribute('aria-pressed', String(index === mode));
      const output = button.querySelector('output');
      if (output !== null) output.textContent = labels[index] ?? '';
    });
    entry.textContent = a.calculatorEntry();
    const [plus, minus] = splitSignTitles(a.calculatorSignTitles());
    for (const [key, title, name] of /** @type {const} */ ([[positive, plus, 'Positive'],
      [negative, minus, 'Negative']])) {
      key.textContent = title;
      key.disabled = title === '';
      key.setAttribute('aria-label', title === '' ? `${name} sign (none here)` : `Sign ${title}`);
    }
    table.replaceChildren(...calculatorRows(a.calculatorTable()).map(([title, value]) => {
      const row = document.createElement('tr');
      const head = document.createElement('th');
      head.scope = 'row';
      head.textContent = title;
      const cell = document.createElement('td');
      cell.textContent = value;
      row.append(head, cell);
      return row;
    }));
  };
  app.listeners.push(refresh);

  /** @param {number} tag */
  const key = (tag) => {
    app.almanac.calculatorKey(tag);
    refresh();
  };

  screen.addEventListener('click', (event) => {
    const target = /** @type {Element} */ (event.target);
    const button = target.closest('button[data-tag]');
    if (button !== null) key(Number(button.getAttribute('data-tag')));
  });

  document.addEventListener('keydown', (event) => {
    if (app.view !== 'calculator' || event.ctrlKey || event.metaKey || event.altKey ||
        document.querySelector('dialog[open]') !== null) {
      return;
    }
    if (/^[0-9]$/.test(event.key)) key(Number(event.key));
    else if (event.key === 'Backspace') key(203);
    else if (event.key === ' ') key(202);
    else return;
    event.preventDefault();
  });

  element('calculator-button').addEventListener('click', () => {
    app.showView(app.view === 'calculator' ? app.lastTab : 'calculator');
  });
  element('calc-done').addEventListener('click', () => app.showView(app.lastTab));
}
