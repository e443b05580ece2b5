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
  showCurve();
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
  if (curveWindow.open && view.curveNumber !== chart.curve?.number) showCurve();
  else if (curveWindow.open && view.words) drawChart();
});

// The program's curve drawn again; the readout keeps its point.
function showCurve() {
  const curve = bridge.curve();
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

// The chart at the width of its place, as the window draws it: the two sides' totals as lines, the
// axes with the program's ticks and titles (the missile axis ends at the curve's end, the resource
// axis at its last tick), each mark a line of its own pattern in the text's colour with its words in
// its row below the top, the flat part's note, and a legend of the two lines below that wraps. With
// nothing to draw the program's words stand in its place. Colours are the style sheet's, written
// into the SVG so that a download keeps them. Words too long for the chart are squeezed, never cut.
function drawChart() {
  const place = $('curve-chart');
  const curve = chart.curve;
  if (!curve || $('curve-chart-panel').hidden || !place.clientWidth) return;
  if (curve.emptyText) {
    place.replaceChildren(Object.assign(document.createElement('p'), { className: 'empty', textContent: curve.emptyText }));
    chart.width = place.clientWidth;
    showPoint(-1);
    return;
  }
  const words = work.words;
  const style = getComputedStyle(document.documentElement);
  const colour = (name) => style.getPropertyValue(`--${name}`).trim();
  const [text, paper] = [colour('text'), colour('box')];
  const width = place.clientWidth;
  // Wide and low on a wide screen; on a phone's upright screen up to half its height.
  const height = Math.round(Math.min(Math.max(width * 0.55, Math.min(360, innerHeight * 0.45)), innerHeight * 0.5));
  const root = svg('svg', { xmlns: svgSpace, width, viewBox: `0 0 ${width} ${height}`, role: 'img', tabindex: 0,
    'aria-label': words.curveTitle, 'aria-describedby': 'curve-readout', 'font-family': 'system-ui, sans-serif', 'font-size': 12 });
  root.append(svg('title', {}, words.curveTitle), svg('rect', { width: '100%', height: '100%', fill: paper }));
  place.replaceChildren(root); // in the page, so that the words can be measured
  const measured = (element) => {
    if (!element.isConnected) root.append(element);
    return element.getComputedTextLength();
  };
  const labels = svg('g', { fill: text });
  root.append(labels);
  const yLabels = curve.yTicks.map(([, label]) => svg('text', { 'text-anchor': 'end', 'dominant-baseline': 'middle' }, label));
  const xLabels = curve.xTicks.map(([, label]) => svg('text', { 'text-anchor': 'middle' }, label));
  const yWidth = Math.max(0, ...yLabels.map(measured));
  const xWidths = xLabels.map(measured);
  const plot = { left: 22 + yWidth + 6, right: width - Math.max(14, (xWidths.at(-1) ?? 0) / 2 + 2), top: 10, bottom: height - 40 };
  const end = Math.max(curve.end, 1);
  const top = Math.max(curve.yEnd, 1);
  const x = (missiles) => plot.left + ((plot.right - plot.left) * missiles) / end;
  const y = (value) => plot.bottom - ((plot.bottom - plot.top) * value) / top;
  Object.assign(chart, { x, y, width });
  // A text no wider than room: squeezed when it is wider.
  const fit = (element, room) => {
    const length = measured(element);
    if (length > room) element.setAttribute('textLength', Math.max(room, 1));
    if (length > room) element.setAttribute('lengthAdjust', 'spacingAndGlyphs');
    return Math.min(length, room);
  };

  // The grid and the axes, with a label at every tick the labels leave room for.
  const grid = svg('g', { stroke: colour('border'), 'stroke-opacity': 0.5 });
  curve.yTicks.forEach(([value], i) => {
    grid.append(svg('line', { x1: plot.left, x2: plot.right, y1: y(value), y2: y(value) }));
    Object.entries({ x: plot.left - 6, y: y(value) }).forEach(([key, at]) => yLabels[i].setAttribute(key, at));
  });
  const room = Math.max(...xWidths, 1) + 8;
  const spacing = curve.xTicks.length > 1 ? x(curve.xTicks[1][0]) - x(curve.xTicks[0][0]) : room;
  const every = Math.ceil(room / Math.max(spacing, 1));
  curve.xTicks.forEach(([value], i) => {
    grid.append(svg('line', { x1: x(value), x2: x(value), y1: plot.top, y2: plot.bottom + 4 }));
    if (i % every) xLabels[i].remove();
    else Object.entries({ x: x(value), y: plot.bottom + 16 }).forEach(([key, at]) => xLabels[i].setAttribute(key, at));
  });
  root.insertBefore(grid, labels);
  labels.append(...yLabels, ...xLabels.filter((label) => label.isConnected));
  const axes = svg('path', { d: `M${plot.left},${plot.top}V${plot.bottom}H${plot.right}`, stroke: colour('border'), fill: 'none' });
  root.insertBefore(axes, labels);
  const xTitle = svg('text', { x: (plot.left + plot.right) / 2, y: plot.bottom + 32, 'text-anchor': 'middle', fill: text }, curve.xTitle);
  const yTitle = svg('text', { transform: `translate(14 ${(plot.top + plot.bottom) / 2}) rotate(-90)`, 'text-anchor': 'middle', fill: text }, curve.yTitle);
  fit(xTitle, width - 8);
  fit(yTitle, plot.bottom - plot.top);

  // Words on the chart on the paper's colour, in lines from a baseline down, at x (anchored at their
  // left, or their right when toRight is false), kept inside the plot; under the curve's lines.
  const marks = svg('g', { 'stroke-width': 1.5, stroke: text });
  const notes = svg('g', { fill: text });
  root.append(marks, notes);
  const say = (lines, at, baseline, toRight) => {
    const texts = lines.map((line, i) => svg('text', { y: baseline + 15 * i }, line));
    notes.append(...texts);
    const length = Math.max(...texts.map((line) => fit(line, plot.right - plot.left - 4)));
    const left = Math.min(Math.max(toRight ? at + 4 : at - 4 - length, plot.left + 2), plot.right - 2 - length);
    texts.forEach((line) => line.setAttribute('x', left));
    const height = 14 + 15 * (lines.length - 1);
    texts[0].before(svg('rect', { x: left - 2, y: baseline - 11, width: length + 4, height, fill: paper, 'fill-opacity': 0.86 }));
  };
  // A text broken between its words into lines no wider than room.
  const wrap = (label, room) => {
    const lines = [''];
    const scratch = svg('text');
    root.append(scratch);
    for (const word of label.split(' ')) {
      const joined = lines.at(-1) ? `${lines.at(-1)} ${word}` : word;
      scratch.textContent = joined;
      if (!lines.at(-1) || scratch.getComputedTextLength() <= room) lines[lines.length - 1] = joined;
      else lines.push(word);
    }
    scratch.remove();
    return lines;
  };
  // The marks: a line each, its pattern in line widths, its words in its row.
  for (const mark of curve.marks.filter((mark) => mark.label)) {
    const at = x(mark.missiles);
    marks.append(svg('line', { x1: at, x2: at, y1: plot.bottom, y2: plot.top, 'data-key': mark.key, 'data-missiles': mark.missiles,
      'stroke-dasharray': mark.dashes.length ? mark.dashes.map((length) => length * 1.5).join(' ') : 'none' }));
    say([mark.label], at, plot.top + 12 + 15 * mark.row, mark.missiles <= end * 0.75);
  }
  // The flat part's note on that part (on the whole width when the part is narrow): under its
  // lower line, else just above it.
  if (curve.flatNote) {
    const [from, last] = [x(curve.flatFrom), curve.points.at(-1)];
    const room = plot.right - from - 6;
    const lines = wrap(curve.flatNote, room >= 80 ? room : plot.right - plot.left - 4);
    const lower = y(Math.min(last[1], last[2]));
    const below = lower + 16 + 15 * (lines.length - 1) <= plot.bottom - 3;
    say(lines, from, below ? lower + 16 : lower - 6 - 15 * (lines.length - 1), true);
  }

  // The two lines.
  const legend = [];
  [[1, 'defender'], [2, 'attacker']].forEach(([side, name]) => {
    const line = curve.points.map((p) => `${x(p[0]).toFixed(1)},${y(p[side]).toFixed(1)}`).join(' ');
    root.append(svg('polyline', { points: line, fill: 'none', stroke: colour(name), 'stroke-width': 2, 'stroke-linejoin': 'round', class: name }));
    legend.push([curve.lineNames[side - 1], colour(name)]);
  });

  const cursor = svg('g', { class: 'cursor', visibility: 'hidden' });
  cursor.append(svg('line', { y1: plot.top, y2: plot.bottom, stroke: text, 'stroke-opacity': 0.5 }),
    svg('circle', { r: 4, fill: colour('defender') }), svg('circle', { r: 4, fill: colour('attacker') }));
  root.append(cursor);

  // The legend's entries in rows as wide as the chart.
  const keys = svg('g', { fill: text });
  root.append(keys);
  let [left, row] = [plot.left, height + 4];
  for (const [label, stroke] of legend) {
    const item = svg('g');
    const name = svg('text', { x: 24, y: 4 }, label);
    item.append(svg('line', { x2: 18, stroke, 'stroke-width': 2 }), name);
    keys.append(item);
    const itemWidth = 24 + fit(name, width - 32) + 16;
    if (left > plot.left && left + itemWidth > width) [left, row] = [plot.left, row + 18];
    item.setAttribute('transform', `translate(${Math.min(left, width - itemWidth + 8)} ${row})`);
    left += itemWidth;
  }
  const total = row + 14;
  root.setAttribute('height', total);
  root.setAttribute('viewBox', `0 0 ${width} ${total}`);
  showPoint(chart.point);
}

// The readout and the cursor at point i (none: -1).
function showPoint(i) {
  const curve = chart.curve;
  chart.point = i;
  const cursor = document.querySelector('#curve-chart .cursor');
  $('curve-readout').textContent = i >= 0 && !curve.emptyText ? bridge.curveHover(i) : '\u00a0';
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
  if (!(root instanceof SVGSVGElement) || !points?.length || chart.curve.emptyText) return -1;
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
  const count = chart.curve?.emptyText ? 0 : chart.curve?.points.length ?? 0;
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
  if (image instanceof SVGSVGElement) download('loss-curve.svg', new XMLSerializer().serializeToString(image), 'image/svg+xml');
});
