// The target list window: the program's list (the view's targets) as a table sorted by a click on a
// heading, with the in-range filter and the count; Enter, a double-click or a tap loads a row (one
// undoable step); copies as text, BBCode, Markdown and CSV, and the CSV as a download. A page of
// reports pasted into the open list, or text or .txt files dropped on the page, go into the list.
'use strict';

const droppedFolder = '/dropped';
const targetList = { view: null, row: 0 };
const targetsWindow = pageWindow('targets', () => {
  if (targetList.view?.open) act('target-close'); // as closing the window drops its rows
});
const copyFormats = ['text', 'bbcode', 'markdown', 'csv'];

parts.views.push((view) => {
  if (view.words) {
    const words = view.words;
    $('targets-title').textContent = words.targetListTitle;
    $('targets-in-range-text').textContent = words.targetInRangeOnly;
    $('targets-in-range').accessKey = words.targetInRangeOnlyKey.toLowerCase();
    $('targets-in-range').parentElement.title = words.targetInRangeOnlyTip;
    $('targets-table').title = words.targetListTip;
    const captions = [words.copyAsText, words.copyAsBBCode, words.copyAsMarkdown, words.copyAsCsv, words.exportCsv];
    $('targets').querySelectorAll('footer button').forEach((button, i) => (button.textContent = captions[i]));
  }
  if (!view.targets) return;
  targetList.view = view.targets;
  drawTargets(view.targets);
  if (view.targets.open && !targetsWindow.open) {
    targetList.row = 0;
    targetsWindow.showModal();
    targetRows()[0]?.focus();
  } else if (!view.targets.open && targetsWindow.open) {
    targetsWindow.close();
  }
});

const targetRows = () => [...$('targets-table').tBodies[0].rows];

function drawTargets(view) {
  const focused = $('targets-table').contains(document.activeElement) && document.activeElement.tagName === 'TR';
  const headings = view.headings.map((heading, c) => {
    const th = document.createElement('th');
    const sort = document.createElement('button');
    sort.type = 'button';
    sort.textContent = heading;
    sort.addEventListener('click', () => act(`target-sort ${c}`));
    th.title = view.tips[c];
    if (view.sort === c) th.setAttribute('aria-sort', view.descending ? 'descending' : 'ascending');
    th.append(sort);
    return th;
  });
  $('targets-table').tHead.rows[0].replaceChildren(...headings);
  targetList.row = Math.min(targetList.row, Math.max(0, view.order.length - 1));
  const rows = view.order.map((index, shown) => {
    const tr = document.createElement('tr');
    tr.tabIndex = shown === targetList.row ? 0 : -1;
    tr.append(
      ...view.rows[index].map((cell, c) => {
        const td = document.createElement('td');
        td.textContent = cell;
        td.style.textAlign = view.align[c];
        return td;
      }),
    );
    return tr;
  });
  $('targets-table').tBodies[0].replaceChildren(...rows);
  $('targets-in-range').checked = view.inRangeOnly === 1;
  $('targets-count').textContent = view.count;
  if (focused) rows[targetList.row]?.focus();
}

// The shown row (from 0) becomes the current one, and takes the focus.
function chooseRow(shown) {
  const rows = targetRows();
  if (!rows.length) return;
  targetList.row = Math.min(rows.length - 1, Math.max(0, shown));
  rows.forEach((row, i) => (row.tabIndex = i === targetList.row ? 0 : -1));
  rows[targetList.row].focus();
}
const loadRow = (shown) => act(`target-load ${shown + 1}`);
const rowOf = (event) => targetRows().indexOf(event.target.closest('tr'));

const targetBody = $('targets-table').tBodies[0];
targetBody.addEventListener('keydown', (event) => {
  const shown = rowOf(event);
  const page = 10;
  const step = { ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page, Home: -Infinity, End: Infinity }[event.key];
  if (shown < 0 || (!step && event.key !== 'Enter')) return;
  event.preventDefault();
  if (event.key === 'Enter') loadRow(shown);
  else chooseRow(shown + step);
});
// A click chooses a row; a double-click or a finger's tap loads it.
targetBody.addEventListener('click', (event) => {
  const shown = rowOf(event);
  if (shown < 0) return;
  chooseRow(shown);
  if (event.pointerType === 'touch') loadRow(shown);
});
targetBody.addEventListener('dblclick', (event) => rowOf(event) >= 0 && loadRow(rowOf(event)));

$('targets-in-range').addEventListener('change', (event) => act(`target-filter ${event.target.checked ? 1 : 0}`));
$('targets').querySelectorAll('footer button').forEach((button, i) => {
  button.addEventListener('click', async () => {
    if (i < copyFormats.length) act(`copy targets ${copyFormats[i]}`);
    else download(work.words.csvFileName, await copied('copy targets csv'), 'text/csv');
  });
});

// A page of reports pasted into the open list goes into it.
document.addEventListener('paste', (event) => {
  if (!targetsWindow.open || event.target.closest?.('input, textarea')) return;
  event.preventDefault();
  act(`target-list ${bridge.escape(event.clipboardData.getData('text/plain'))}`);
});

// Dropped on the page: .txt files (all of them, or none is taken) or, outside the report field, a
// text. A file goes to the program as the window passes it a dropped file's path: written below
// its memory, cut one byte past the largest size it reads, so that a huge file is said, not loaded.
const dropsText = (event) => !event.target.closest?.('textarea') && event.dataTransfer.types.includes('text/plain');
document.addEventListener('dragover', (event) => {
  if (event.dataTransfer.types.includes('Files') || dropsText(event)) event.preventDefault();
});
document.addEventListener('drop', async (event) => {
  const files = [...event.dataTransfer.files];
  if (files.length) {
    event.preventDefault();
    if (files.every((file) => /\.txt$/i.test(file.name))) await listFiles(files);
  } else if (dropsText(event)) {
    event.preventDefault();
    act(`target-list ${bridge.escape(event.dataTransfer.getData('text/plain'))}`);
  }
});
async function listFiles(files) {
  const read = await Promise.all(
    files.map(async (file) => [file.name, new Uint8Array(await file.slice(0, targetList.view.largestFile + 1).arrayBuffer())]),
  );
  // Again with the answer when a file's code asks about the plan.
  act(() => {
    const FS = quorvel.FS;
    FS.mkdirTree(droppedFolder);
    FS.chdir(droppedFolder); // the program names the file as the player knows it
    for (const [name, bytes] of read) {
      FS.writeFile(name, bytes);
      call('quorvel_list_target_file', null, [name]);
      FS.unlink(name);
    }
  });
}
