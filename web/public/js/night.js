// @ts-check
// Night vision for pictures leaving the page: each pixel becomes red of its luma, as the
// page's canvases look through their night filter.

/**
 * Turns RGBA pixels red in place: red = 0.299 R + 0.587 G + 0.114 B, green and blue 0,
 * alpha kept.
 * @param {Uint8ClampedArray} pixels
 */
export function turnRed(pixels) {
  for (let i = 0; i + 3 < pixels.length; i += 4) {
    pixels[i] = 0.299 * pixels[i] + 0.587 * pixels[i + 1] + 0.114 * pixels[i + 2];
    pixels[i + 1] = 0;
    pixels[i + 2] = 0;
  }
}

/**
 * A red copy of the canvas.
 * @param {HTMLCanvasElement} canvas
 * @returns {HTMLCanvasElement}
 */
export function redCopy(canvas) {
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  const context = copy.getContext('2d');
  if (context === null) return canvas;
  context.drawImage(canvas, 0, 0);
  const image = context.getImageData(0, 0, copy.width, copy.height);
  turnRed(image.data);
  context.putImageData(image, 0, 0);
  return copy;
}
