// The loss curve window: the program's curve (quorvel_curve) drawn as an SVG chart with its marks
// and a legend, what a point says (quorvel_curve_hover) on hover, on a tap and with the arrow keys,
// the table of the points, copies and downloads. Plain SVG: the page's own chart is the image a
// download saves, with no library to load. Every number shown is the program's text.
'use strict';

const svgSpace = 'http://www.w3.org/2000/svg';
const chart = { curve: null, point: -1, x: null, y: null, width: 0 };

bridge.curve = () => JSON.parse(quorvel.ccall('quorvel_curve', 'string', [], []));
bridge.curveHover = (point) => quorvel.ccall('quorvel_curve_hover', 'string', ['number'], [point]);

const curveWindow = pageWindow('curve', () => {});
parts.events['curve-window'] = () => {
  if (!curveWindow.open) curveWindow.showModal();
  showCurve(true);
  ($('curve-chart-panel').hidden ? $('curve-table-tab') : $('curve-chart').firstChild)?.focus();
};
parts.views.push((view) => {
  if (view.words) {
    const words = view.words;
    $('curve-title').textContent = words.curveTitle;
    $('curve-chart-tab').textContent = words.chartTab;
    $('curve-table-tab').textContent = words.tableTab;
    $('curve-copy-text').textContent = words.copyAsText;
    $('curve-copy-csv').textContent = words.copyAsCsv;
    $('curve-svg').textContent = words.exportSvg;
    $('curve-csv').textContent = words.exportCsv;
  }
  if (curveWindow.open && view.curveNumber !== chart.curve?.number) showCurve(false);
  else if (curveWindow.open && view.words) drawChart();
});

// The program's curve, drawn again when it changed (or always); the readout keeps its point.
function showCurve(always) {
  const curve = bridge.curve();
  if (!always && curve.number === chart.curve?.number) return;
  chart.curve = curve;
  if (chart.point >= curve.points.length) chart.point = -1;
  drawChart();
  if (!$('curve-table-panel').hidden) fillTable();
}

function svg(name, attributes = {}, text = '') {
  const element = document.createElementNS(svgSpace, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  if (text) element.textContent = text;
  return element;
}

// The chart at the width of its place: the two sides' totals as lines, a dashed line per mark, the
// axes with their titles (the missile axis with the first and last point's counts), and a legend
// below that wraps. Colours are the style sheet's, written into the SVG so that a download keeps them.
function drawChart() {
  const place = $('curve-chart');
  const curve = chart.curve;
  if (!curve || $('curve-chart-panel').hidden || !place.clientWidth) return;
  const words = work.words;
  const style = getComputedStyle(document.documentElement);
  const colour = (name) => style.getPropertyValue(`--${name}`).trim();
  const width = place.clientWidth;
  // Wide and low on a wide screen; on a phone's upright screen up to half its height.
  const height = Math.round(Math.min(Math.max(width * 0.55, Math.min(360, innerHeight * 0.45)), innerHeight * 0.5));
  const plot = { left: 30, right: width - 14, top: 10, bottom: height - 44 };
  const root = svg('svg', { xmlns: svgSpace, width, viewBox: `0 0 ${width} ${height}`, role: 'img', tabindex: 0,
    'aria-label': words.curveTitle, 'aria-describedby': 'curve-readout', 'font-family': 'system-ui, sans-serif', 'font-size': 12 });
  root.append(svg('title', {}, words.curveTitle), svg('rect', { width: '100%', height: '100%', fill: colour('box') }));
  const points = curve.points;
  const last = Math.max(curve.end, 1);
  const highest = points.reduce((most, p) => Math.max(most, p[1], p[2]), 1) * 1.05;
  const x = (missiles) => plot.left + ((plot.right - plot.left) * missiles) / last;
  const y = (value) => plot.bottom - ((plot.bottom - plot.top) * value) / highest;
  Object.assign(chart, { x, y, width });

  const text = colour('text');
  const axes = svg('g', { stroke: colour('border'), fill: 'none' });
  axes.append(svg('path', { d: `M${plot.left},${plot.top}V${plot.bottom}H${plot.right}` }));
  root.append(axes);
  const labels = svg('g', { fill: text });
  const counts = curve.rows.length ? [curve.rows[0][0], curve.rows.at(-1)[0]] : [];
  counts.forEach((count, i) =>
    labels.append(svg('text', { x: i ? plot.right : plot.left, y: plot.bottom + 16, 'text-anchor': i ? 'end' : 'start' }, count)));
  labels.append(
    svg('text', { x: (plot.left + plot.right) / 2, y: plot.bottom + 32, 'text-anchor': 'middle' }, words.axisMissiles),
    svg('text', { transform: `translate(16 ${(plot.top + plot.bottom) / 2}) rotate(-90)`, 'text-anchor': 'middle' }, words.axisResources),
  );
  root.append(labels);

  const legend = [];
  const marks = svg('g', { 'stroke-width': 1.5, 'stroke-dasharray': '5 4' });
  curve.marks.filter((mark) => mark.label).forEach((mark, i) => {
    const stroke = colour(`mark-${i % 4}`);
    const at = x(mark.missiles);
    marks.append(svg('line', { x1: at, x2: at, y1: plot.bottom, y2: plot.top, stroke, 'data-key': mark.key, 'data-missiles': mark.missiles }));
    legend.push([mark.label, stroke, true]);
  });
  root.append(marks);
  [[1, 'defender', words.seriesDefender], [2, 'attacker', words.seriesAttacker]].forEach(([side, name, label]) => {
    const line = points.map((p) => `${x(p[0]).toFixed(1)},${y(p[side]).toFixed(1)}`).join(' ');
    root.append(svg('polyline', { points: line, fill: 'none', stroke: colour(name), 'stroke-width': 2, 'stroke-linejoin': 'round', class: name }));
    legend.splice(side - 1, 0, [label, colour(name), false]);
  });
  const cursor = svg('g', { class: 'cursor', visibility: 'hidden' });
  cursor.append(svg('line', { y1: plot.top, y2: plot.bottom, stroke: text, 'stroke-opacity': 0.5 }),
    svg('circle', { r: 4, fill: colour('defender') }), svg('circle', { r: 4, fill: colour('attacker') }));
  root.append(cursor);

  // The legend's entries in rows as wide as the chart, measured once the SVG is in the page.
  place.replaceChildren(root);
  const keys = svg('g', { fill: text });
  root.append(keys);
  let [left, top] = [plot.left, height + 4];
  for (const [label, stroke, dashed] of legend) {
    const item = svg('g');
    const name = svg('text', { x: 24, y: 4 }, label);
    item.append(svg('line', { x2: 18, stroke, 'stroke-width': 2, 'stroke-dasharray': dashed ? '5 4' : 'none' }), name);
    keys.append(item);
    const itemWidth = 24 + name.getComputedTextLength() + 16;
    if (left > plot.left && left + itemWidth > width) [left, top] = [plot.left, top + 18];
    item.setAttribute('transform', `translate(${left} ${top})`);
    left += itemWidth;
  }
  const total = top + 14;
  root.setAttribute('height', total);
  root.setAttribute('viewBox', `0 0 ${width} ${total}`);
  showPoint(chart.point);
}

// The readout and the cursor at point i (none: -1).
function showPoint(i) {
  const curve = chart.curve;
  chart.point = i;
  const cursor = document.querySelector('#curve-chart .cursor');
  $('curve-readout').textContent = i >= 0 ? bridge.curveHover(i) : '\u00a0';
  if (!cursor) return;
  cursor.setAttribute('visibility', i >= 0 ? 'visible' : 'hidden');
  if (i < 0) return;
  const p = curve.points[i];
  const [line, defender, attacker] = cursor.children;
  const at = chart.x(p[0]);
  line.setAttribute('x1', at);
  line.setAttribute('x2', at);
  for (const [dot, value] of [[defender, p[1]], [attacker, p[2]]]) {
    dot.setAttribute('cx', at);
    dot.setAttribute('cy', chart.y(value));
  }
}

// The point nearest the pointer's missile count.
function pointAt(event) {
  const root = event.currentTarget.firstChild;
  const points = chart.curve?.points;
  if (!root || !points?.length) return -1;
  const box = root.getBoundingClientRect(); // the drawing scales with its place until drawn anew
  const local = ((event.clientX - box.left) * chart.width) / box.width;
  let [low, high] = [0, points.length - 1];
  while (low < high) {
    const middle = (low + high) >> 1;
    if (chart.x(points[middle][0]) < local) low = middle + 1;
    else high = middle;
  }
  return low > 0 && local - chart.x(points[low - 1][0]) < chart.x(points[low][0]) - local ? low - 1 : low;
}
const chartPlace = $('curve-chart');
chartPlace.addEventListener('pointermove', (event) => showPoint(pointAt(event)));
chartPlace.addEventListener('pointerdown', (event) => showPoint(pointAt(event)));
chartPlace.addEventListener('keydown', (event) => {
  const count = chart.curve?.points.length ?? 0;
  const page = Math.max(1, Math.round(count / 10));
  const step = { ArrowRight: 1, ArrowLeft: -1, PageUp: page, PageDown: -page, Home: -count, End: count }[event.key];
  if (!step || !count) return;
  event.preventDefault();
  showPoint(Math.min(count - 1, Math.max(0, chart.point + step)));
});
new ResizeObserver(() => chartPlace.clientWidth !== chart.width && drawChart()).observe(chartPlace);
matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => curveWindow.open && drawChart());

// The chart and the table as tabs; the arrow keys move between them.
const curveTabs = [$('curve-chart-tab'), $('curve-table-tab')];
function chooseTab(index) {
  curveTabs.forEach((tab, i) => {
    tab.setAttribute('aria-selected', String(i === index));
    tab.tabIndex = i === index ? 0 : -1;
    $(tab.getAttribute('aria-controls')).hidden = i !== index;
  });
  if (index === 0) drawChart();
  else fillTable();
}
curveTabs.forEach((tab, i) => {
  tab.addEventListener('click', () => chooseTab(i));
  tab.addEventListener('keydown', (event) => {
    if (event.key !== 'ArrowLeft' && event.key !== 'ArrowRight') return;
    chooseTab(1 - i);
    curveTabs[1 - i].focus();
  });
});

// The table as one piece of markup: a curve has some 2,000 points.
function fillTable() {
  const curve = chart.curve;
  const table = $('curve-table');
  if (!curve || table.dataset.number === String(curve.number)) return;
  table.dataset.number = curve.number;
  const escaped = (text) => text.replace(/[&<>]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;' })[c]);
  const row = (cells, tag) => `<tr><${tag}>${cells.map(escaped).join(`</${tag}><${tag}>`)}</${tag}></tr>`;
  table.innerHTML = `<thead>${row(curve.headings, 'th')}</thead><tbody>${curve.rows.map((cells) => row(cells, 'td')).join('')}</tbody>`;
}

$('curve-copy-text').addEventListener('click', () => act('copy curve text'));
$('curve-copy-csv').addEventListener('click', () => act('copy curve csv'));
$('curve-csv').addEventListener('click', async () => download('loss-curve.csv', await copied('copy curve csv'), 'text/csv'));
$('curve-svg').addEventListener('click', () => {
  const image = $('curve-chart').firstChild;
  if (image) download('loss-curve.svg', new XMLSerializer().serializeToString(image), 'image/svg+xml');
});
