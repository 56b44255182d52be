// @ts-check
// The user's settings in the browser's local storage, read as the desktop reads its own: a
// key that is absent, holds a value of the wrong kind, a number that is not finite or one
// outside its range reads its default. The page's place is read all-or-nothing.

/** The prefix of every key this page stores. */
export const PREFIX = 'quenaro.';

/**
 * @typedef {{kind: 'bool', fallback: boolean}} BoolKey
 * @typedef {{kind: 'number', fallback: number, smallest: number, largest: number}} NumberKey
 * @typedef {{kind: 'int', fallback: number, smallest: number, largest: number}} IntKey
 * @typedef {{kind: 'choice', fallback: string, choices: readonly string[]}} ChoiceKey
 * @typedef {BoolKey | NumberKey | IntKey | ChoiceKey} KeyRule
 * @typedef {boolean | number | string} SettingValue
 */

/** The sources of the bodies' positions: the almanac's series, or the precise source. */
export const POSITION_SOURCES = /** @type {const} */ (['Almanac', 'Precise']);

/** Regions whose people measure the Moon's distance in miles. */
const MILE_REGIONS = new Set(['US', 'LR', 'MM', 'GB']);

/**
 * Whether a locale ("en-US", "de") measures in kilometres: every region but a few.
 * @param {string} locale
 */
export function metricForLocale(locale) {
  const region = /^[a-z]{2,3}(?:-[A-Za-z]{4})?-([A-Z]{2})\b/i.exec(locale)?.[1]?.toUpperCase();
  return region === undefined || !MILE_REGIONS.has(region);
}

/**
 * The settings' keys, their kinds and defaults (the chart's six as on the desktop).
 * @param {string} locale the device's language, for the default unit
 * @returns {Record<string, KeyRule>}
 */
export function settingRules(locale) {
  return {
    ShowAltAz: { kind: 'bool', fallback: true },
    ShowEcliptic: { kind: 'bool', fallback: true },
    ShowRaDec: { kind: 'bool', fallback: true },
    ShowConstellationLines: { kind: 'bool', fallback: true },
    ShowMinMagnitude: { kind: 'number', fallback: 4.5, smallest: 1, largest: 6.5 },
    ShowCircles: { kind: 'bool', fallback: false },
    Audience: { kind: 'int', fallback: 0, smallest: 0, largest: 2 },
    Metric: { kind: 'bool', fallback: metricForLocale(locale) },
    UsePlaceTimeZone: { kind: 'bool', fallback: false },
    NightMode: { kind: 'bool', fallback: false },
    SheetAsText: { kind: 'bool', fallback: false },
    Positions: { kind: 'choice', fallback: 'Almanac', choices: POSITION_SOURCES },
  };
}

/**
 * @typedef {object} Settings
 * @property {boolean} ShowAltAz
 * @property {boolean} ShowEcliptic
 * @property {boolean} ShowRaDec
 * @property {boolean} ShowConstellationLines
 * @property {number} ShowMinMagnitude
 * @property {boolean} ShowCircles
 * @property {number} Audience 0 date and Julian date, 1 date and planetary hour, 2 date only
 * @property {boolean} Metric kilometres (true) or miles
 * @property {boolean} UsePlaceTimeZone times in the place's own zone, else the device's
 * @property {boolean} NightMode
 * @property {boolean} SheetAsText the sheet shown as text instead of its drawing
 * @property {typeof POSITION_SOURCES[number]} Positions where the bodies' positions come from
 */

/**
 * @typedef {object} StoredPlace
 * @property {number} latitude
 * @property {number} longitude
 * @property {string} name the name shown, empty for typed coordinates
 * @property {string} zone the place's own zone, empty when not known
 */

/** A plain decimal number as text: sign, digits with a point, exponent; nothing else. */
const DECIMAL = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/;
const WHOLE = /^[+-]?\d+$/;

/**
 * A stored boolean: "true"/"false" or "1"/"0" (any case, blanks around), else none.
 * @param {string} text
 * @returns {boolean | undefined}
 */
export function readBool(text) {
  const word = text.trim().toLowerCase();
  if (word === 'true' || word === '1') return true;
  if (word === 'false' || word === '0') return false;
  return undefined;
}

/**
 * A stored finite decimal number, else none.
 * @param {string} text
 * @returns {number | undefined}
 */
export function readNumber(text) {
  const trimmed = text.trim();
  if (!DECIMAL.test(trimmed)) return undefined;
  const value = Number(trimmed);
  return Number.isFinite(value) ? value : undefined;
}

/**
 * A stored whole number within the 32-bit range, else none.
 * @param {string} text
 * @returns {number | undefined}
 */
export function readInt(text) {
  const trimmed = text.trim();
  if (!WHOLE.test(trimmed)) return undefined;
  const value = Number(trimmed);
  return value >= -2147483648 && value <= 2147483647 ? value : undefined;
}

/**
 * A stored choice: one of the choices (any case, blanks around) in its own spelling, else none.
 * @param {readonly string[]} choices
 * @param {string} text
 * @returns {string | undefined}
 */
export function readChoice(choices, text) {
  const word = text.trim().toLowerCase();
  return choices.find((choice) => choice.toLowerCase() === word);
}

/**
 * What a key's stored text reads as under its rule: the value, or none when it is not of the
 * key's kind or outside its range.
 * @param {KeyRule} rule
 * @param {string} text
 * @returns {SettingValue | undefined}
 */
export function readStored(rule, text) {
  if (rule.kind === 'bool') return readBool(text);
  if (rule.kind === 'choice') return readChoice(rule.choices, text);
  const value = rule.kind === 'number' ? readNumber(text) : readInt(text);
  if (value === undefined || value < rule.smallest || value > rule.largest) return undefined;
  return value;
}

/**
 * Reads every setting from the storage; each that is missing or unreadable reads its default
 * (and is reported to `warn` when present but unreadable).
 * @param {Pick<Storage, 'getItem'>} storage
 * @param {string} locale
 * @param {(line: string) => void} [warn]
 * @returns {Settings}
 */
export function readSettings(storage, locale, warn = () => {}) {
  const rules = settingRules(locale);
  /** @type {Record<string, SettingValue>} */
  const values = {};
  for (const [key, rule] of Object.entries(rules)) {
    const text = storage.getItem(PREFIX + key);
    const value = text === null ? undefined : readStored(rule, text);
    if (text !== null && value === undefined) {
      warn(`Settings: ${key} = "${text}" is not of its kind or out of its range; the default is used`);
    }
    values[key] = value ?? rule.fallback;
  }
  return /** @type {Settings} */ (/** @type {unknown} */ (values));
}

/**
 * Stores one setting, refusing a value of the wrong kind or outside the key's range.
 * @param {Pick<Storage, 'setItem'>} storage
 * @param {string} locale
 * @param {keyof Settings} key
 * @param {SettingValue} value
 * @returns {boolean} whether it was stored
 */
export function writeSetting(storage, locale, key, value) {
  const rule = settingRules(locale)[key];
  if (rule === undefined || readStored(rule, String(value)) !== value) return false;
  storage.setItem(PREFIX + key, String(value));
  return true;
}

/** The keys the preferences screen sets, which Restore Defaults removes. */
export const PREFERENCE_KEYS = /** @type {const} */ ([
  'ShowAltAz', 'ShowCircles', 'ShowEcliptic', 'ShowRaDec', 'ShowConstellationLines',
  'ShowMinMagnitude', 'Audience', 'Metric', 'Positions',
]);

/**
 * Removes the stored preferences, so each reads its default again.
 * @param {Pick<Storage, 'removeItem'>} storage
 */
export function restoreDefaults(storage) {
  for (const key of PREFERENCE_KEYS) storage.removeItem(PREFIX + key);
}

/**
 * The stored place: none unless LastLat and LastLon are both stored as finite numbers within
 * ±90 and ±180.
 * @param {Pick<Storage, 'getItem'>} storage
 * @param {(line: string) => void} [warn]
 * @returns {StoredPlace | undefined}
 */
export function readPlace(storage, warn = () => {}) {
  const latText = storage.getItem(PREFIX + 'LastLat');
  const lonText = storage.getItem(PREFIX + 'LastLon');
  if (latText === null && lonText === null) return undefined;
  const latitude = latText === null ? undefined : readNumber(latText);
  const longitude = lonText === null ? undefined : readNumber(lonText);
  if (latitude === undefined || longitude === undefined || Math.abs(latitude) > 90 ||
      Math.abs(longitude) > 180) {
    warn(`Settings: the stored place (${latText}, ${lonText}) is not a position; it is ignored`);
    return undefined;
  }
  return {
    latitude,
    longitude,
    name: storage.getItem(PREFIX + 'PlaceName') ?? '',
    zone: storage.getItem(PREFIX + 'PlaceZone') ?? '',
  };
}

/**
 * Stores the place's four keys together.
 * @param {Pick<Storage, 'setItem'>} storage
 * @param {StoredPlace} place
 */
export function writePlace(storage, place) {
  storage.setItem(PREFIX + 'LastLat', String(place.latitude));
  storage.setItem(PREFIX + 'LastLon', String(place.longitude));
  storage.setItem(PREFIX + 'PlaceName', place.name);
  storage.setItem(PREFIX + 'PlaceZone', place.zone);
}
