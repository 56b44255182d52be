// What the page calls on the module besides the Almanac: choosing the canvas drawn on, and
// loading the pictures the views draw by name.

/**
 * Draws the next view onto `canvas`, whose pixels are its CSS size times `ratio`.
 * @param {HTMLCanvasElement | OffscreenCanvas} canvas
 * @param {number} ratio
 */
Module['quenaroUseCanvas'] = function (canvas, ratio) {
  Module['quenaroCanvas'] = canvas;
  Module['quenaroRatio'] = ratio > 0 ? ratio : 1;
};

/**
 * Fetches the sign and planet pictures (each at 1x and 2x) from `base` ("pictures/") and
 * keeps them decoded for the views; resolves when all that exist are loaded.
 * @param {string} base
 * @returns {Promise<void>}
 */
Module['quenaroLoadPictures'] = function (base) {
  var names = ['Aries', 'Taurus', 'Gemini', 'Cancer', 'Leo', 'Virgo', 'Libra', 'Scorpius',
    'Sagittarius', 'Capricorn', 'Aquarius', 'Pisces', 'Sun', 'Moon', 'Mercury', 'Venus', 'Earth',
    'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];
  var pictures = new Map();
  Module['quenaroPictures'] = pictures;
  var loads = [];
  names.forEach(function (name) {
    [name + '.png', name + '@2x.png'].forEach(function (file) {
      loads.push(fetch(base + file).then(function (response) {
        if (!response.ok) return undefined;
        return response.blob().then(function (blob) { return createImageBitmap(blob); })
          .then(function (bitmap) { pictures.set(file, bitmap); });
      }).catch(function () { return undefined; }));
    });
  });
  return Promise.all(loads).then(function () { return undefined; });
};
