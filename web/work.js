// Undo, redo and a new plan, the about box, and the ways into the page's windows, as the window
// offers them: Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, F1, F3 and Ctrl+Shift+L, the context menu's entries,
// and on a phone (or a touch screen) buttons under the window's. Also what the page's windows (the
// loss curve, the target list) share: their close button and their words.
'use strict';

const work = { words: null, steps: { undo: 0, redo: 0 }, about: '' };

// The entries the menu and the phone's buttons share: text, batch line, key, whether it can act.
function workEntries() {
  const words = work.words;
  return [
    [words.undo[0], 'undo', { keys: 'Ctrl+Z', disabled: !work.steps.undo }],
    [words.undo[1], 'redo', { keys: 'Ctrl+Shift+Z', disabled: !work.steps.redo }],
    [words.newPlan, 'new-plan'],
  ];
}
function windowEntries() {
  return [
    [work.words.curveEntry, 'key f3', { keys: 'F3' }],
    [work.words.targetListEntry, 'target-list', { keys: 'Ctrl+Shift+L' }],
    [work.about, 'key f1', { keys: 'F1' }],
  ];
}
parts.menuFirst.push(() => (work.words ? [...workEntries(), '-'] : []));
parts.menuLast.push(() => (work.words ? ['-', ...windowEntries()] : []));

parts.views.push((view) => {
  work.words = view.words ?? work.words;
  work.steps = view.work ?? work.steps;
  work.about = view.about ?? work.about;
  if (!work.words) return;
  for (const button of document.querySelectorAll('dialog .close')) {
    button.title = work.words.close;
    button.setAttribute('aria-label', work.words.close);
  }
  drawWorkButtons();
});

// On a phone the context menu is hard to reach: its work and window entries become buttons at the
// end of the button column (style.css shows them in one column and on touch screens).
function drawWorkButtons() {
  const column = document.querySelector('#window .buttons');
  if (!column) return;
  let row = column.querySelector('.page-buttons');
  const entries = [...workEntries(), ...windowEntries().slice(1)];
  if (!row) {
    row = document.createElement('div');
    row.className = 'page-buttons';
    row.append(
      ...entries.map(([, line]) => {
        const button = document.createElement('button');
        button.type = 'button';
        button.dataset.page = line;
        button.addEventListener('click', () => act(line));
        return button;
      }),
    );
    column.append(row);
  }
  entries.forEach(([text, , { disabled = false } = {}], i) => {
    const button = row.children[i];
    button.textContent = text;
    button.disabled = disabled;
  });
}

// Ctrl+Z is the field's own while it holds typing since the last action, as the window's edits keep
// theirs; the keys work in the page's windows too, not in its message boxes.
function onWorkKey(event) {
  if (document.querySelector('dialog[open]:not(.window), :popover-open')) return;
  const key = event.key.toLowerCase();
  const typing = dirty.has(Number(event.target.dataset?.id));
  let line = null;
  if (event.ctrlKey && !event.altKey && key === 'z') line = event.shiftKey ? 'redo' : 'undo';
  else if (event.ctrlKey && !event.altKey && !event.shiftKey && key === 'y') line = 'redo';
  else if (event.ctrlKey && event.shiftKey && key === 'l') line = 'target-list';
  else if (event.key === 'F1') line = 'key f1';
  else if (event.key === 'F3') line = 'key f3';
  if (!line || ((line === 'undo' || line === 'redo') && typing)) return;
  event.preventDefault();
  act(line);
}
document.addEventListener('keydown', onWorkKey);

parts.events.about = () => {
  const about = work.words?.about;
  if (!about) return;
  const dialog = $('about');
  $('about-title').textContent = about.title;
  for (const part of ['name', 'version', 'purpose', 'license']) $(`about-${part}`).textContent = about[part];
  $('about-ok').textContent = pageTexts.ok;
  return shownUntilClosed(dialog);
};

// A window of the page: a modal dialog (the page behind it takes no focus) that its close button
// and Escape close; whenClosed runs then.
function pageWindow(id, whenClosed) {
  const dialog = $(id);
  dialog.querySelector('.close').addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', whenClosed);
  return dialog;
}
