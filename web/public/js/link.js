// @ts-check
// The page's address: the link's parameters as read, and the address written back as the
// user picks, so that a link opens the same sky.

/** The views a link can open. */
export const VIEWS = /** @type {const} */ (['orrery', 'sky', 'sheet', 'calculator']);

/** @typedef {typeof VIEWS[number]} View */

/**
 * @typedef {object} Link
 * @property {string} date ISO 8601 wall time in the zone, '' when absent
 * @property {string} tz an IANA zone, '' when absent
 * @property {string} lat degrees, '' when absent
 * @property {string} lon degrees, '' when absent
 * @property {string} place a gazetteer name, '' when absent
 * @property {string} view as written, '' when absent
 */

/**
 * The link's parameters from a query string ("?date=…&lat=…").
 * @param {string} search
 * @returns {Link}
 */
export function readLink(search) {
  const params = new URLSearchParams(search);
  const value = (/** @type {string} */ name) => params.get(name) ?? '';
  return {
    date: value('date'),
    tz: value('tz'),
    lat: value('lat'),
    lon: value('lon'),
    place: value('place'),
    view: value('view'),
  };
}

/**
 * Whether the link names the place (by name or by either coordinate).
 * @param {Link} link
 */
export function linkNamesPlace(link) {
  return link.place !== '' || link.lat !== '' || link.lon !== '';
}

/**
 * Whether the link sets anything the almanac applies.
 * @param {Link} link
 */
export function linkSetsAlmanac(link) {
  return link.date !== '' || link.tz !== '' || linkNamesPlace(link);
}

/**
 * The view the link opens, and the line saying why when its `view` is not one of ours.
 * @param {Link} link
 * @returns {{view: View, problem: string}}
 */
export function linkView(link) {
  const known = VIEWS.find((view) => view === link.view);
  if (known !== undefined) return { view: known, problem: '' };
  if (link.view === '') return { view: 'orrery', problem: '' };
  return {
    view: 'orrery',
    problem: `view "${link.view}" is not a view: orrery, sky, sheet or calculator`,
  };
}

/**
 * @typedef {object} Shown
 * @property {string} date the moment as wall time in the zone, '' while following the clock
 * @property {string} zone the zone the figures are shown in
 * @property {number} latitude
 * @property {number} longitude
 * @property {string} place a name that finds this very place in the gazetteer, '' for none
 * @property {View} view
 */

/**
 * The query string for what is shown: the moment unless it follows the clock, the zone, the
 * place by name when one finds it, else by coordinates, and the view unless the orrery.
 * @param {Shown} shown
 * @returns {string} "?date=…" (or '' for nothing to say)
 */
export function linkSearch(shown) {
  const params = new URLSearchParams();
  if (shown.date !== '') params.set('date', shown.date);
  if (shown.zone !== '') params.set('tz', shown.zone);
  if (shown.place !== '') {
    params.set('place', shown.place);
  } else {
    params.set('lat', String(shown.latitude));
    params.set('lon', String(shown.longitude));
  }
  if (shown.view !== 'orrery') params.set('view', shown.view);
  const text = params.toString();
  return text === '' ? '' : `?${text}`;
}
