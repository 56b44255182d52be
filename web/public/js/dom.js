// @ts-check
// Finding the page's elements.

/**
 * The element with the id; the page is broken without it.
 * @param {string} id
 * @returns {HTMLElement}
 */
export function element(id) {
  const found = document.getElementById(id);
  if (found === null) throw new Error(`The page has no element #${id}`);
  return found;
}

/**
 * The position of a pointer event in the element's CSS pixels, its top-left at (0, 0).
 * @param {{clientX: number, clientY: number}} event
 * @param {Element} target
 */
export function localPoint(event, target) {
  const box = target.getBoundingClientRect();
  return { x: event.clientX - box.left, y: event.clientY - box.top };
}
