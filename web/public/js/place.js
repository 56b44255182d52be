// @ts-check
// The place as the page shows it: its line (name or coordinates, the zone in use, where it
// came from) and the choice of zone.

/** Where the place came from. */
export const SOURCES = /** @type {const} */ (['chosen', 'remembered', 'link', 'fallback']);

/** @typedef {typeof SOURCES[number]} PlaceSource */

/** The place used when nothing else gives one. */
export const FALLBACK_PLACE = { latitude: 45, longitude: -90 };

/**
 * How the line names a source.
 * @param {PlaceSource} source
 */
export function sourceText(source) {
  return source === 'fallback' ? 'fallback 45° N 90° W' : source;
}

/**
 * Degrees with their hemisphere letter, four decimals: "69.6489° N 18.9551° E".
 * @param {number} latitude
 * @param {number} longitude
 */
export function coordinatesText(latitude, longitude) {
  const part = (/** @type {number} */ value, /** @type {string} */ plus,
    /** @type {string} */ minus) => {
    const text = Math.abs(value).toFixed(4);
    // A value that rounds to zero has no hemisphere worth naming; keep the plus letter.
    return `${text}° ${value < 0 && Number(text) !== 0 ? minus : plus}`;
  };
  return `${part(latitude, 'N', 'S')} ${part(longitude, 'E', 'W')}`;
}

/**
 * The place line: "Tromsø, Norway · Europe/Oslo · chosen".
 * @param {{name: string, latitude: number, longitude: number, zone: string,
 *   source: PlaceSource}} place
 */
export function placeLine(place) {
  const where = place.name !== '' ? place.name : coordinatesText(place.latitude, place.longitude);
  return `${where} · ${place.zone} · ${sourceText(place.source)}`;
}

/**
 * The zone the figures are shown in: the place's own when the user asked for it (and it is
 * known), else the device's.
 * @param {boolean} usePlaceZone
 * @param {string} placeZone
 * @param {string} deviceZone
 */
export function zoneInUse(usePlaceZone, placeZone, deviceZone) {
  return usePlaceZone && placeZone !== '' ? placeZone : deviceZone;
}

/**
 * Typed coordinates, or the line saying what is wrong with them.
 * @param {string} latText
 * @param {string} lonText
 * @returns {{latitude: number, longitude: number} | {problem: string}}
 */
export function parseCoordinates(latText, lonText) {
  const number = (/** @type {string} */ text) => {
    const trimmed = text.trim().replace(',', '.');
    return /^[+-]?(?:\d+\.?\d*|\.\d+)$/.test(trimmed) ? Number(trimmed) : NaN;
  };
  const latitude = number(latText);
  const longitude = number(lonText);
  if (!(Math.abs(latitude) <= 90)) {
    return { problem: 'Latitude: degrees from -90 to 90, north positive (52.52)' };
  }
  if (!(Math.abs(longitude) <= 180)) {
    return { problem: 'Longitude: degrees from -180 to 180, east positive (13.40)' };
  }
  return { latitude, longitude };
}
