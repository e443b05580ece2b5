// The page: draws the window the program describes (quorvel_view) and sends every action to it as
// a line of the batch protocol (quorvel_run). It computes nothing; it only draws and does the I/O:
// the browser's storage, the clipboard, downloads and dialogs.
'use strict';

const home = '/quorvel';
const dataFolder = home + '/data';
const exportFolder = '/export';
const $ = (id) => document.getElementById(id);

let quorvel = null;
let elements = new Map(); // control number -> element
let dirty = new Set(); // edits typed into since the last action
let canSave = true; // false when another tab holds the player's files
let syncing = Promise.resolve();

const bridge = {
  start: (folder) => quorvel.ccall('quorvel_start', null, ['string'], [folder]),
  run: (lines) => quorvel.ccall('quorvel_run', 'number', ['string'], [lines]),
  output: () => quorvel.ccall('quorvel_output', 'string', [], []),
  view: (changedOnly = false) => JSON.parse(quorvel.ccall('quorvel_view', 'string', ['number'], [changedOnly ? 1 : 0])),
  escape: (text) => quorvel.ccall('quorvel_escape', 'string', ['string'], [text]),
  unescape: (text) => quorvel.ccall('quorvel_unescape', 'string', ['string'], [text]),
  // The program says the refusal as an error line; its text is what the page shows.
  storageError: (file, which) =>
    bridge.unescape(quorvel.ccall('quorvel_storage_error', 'string', ['string', 'number'], [file, which]).split('\t')[1]?.trimEnd() ?? ''),
};

// ---- Drawing -------------------------------------------------------------------------------

function build(view) {
  const window_ = $('window');
  window_.textContent = '';
  elements = new Map();
  const boxes = new Map();
  const buttonColumn = document.createElement('div');
  buttonColumn.className = 'buttons';
  boxes.set(0, buttonColumn);
  for (const control of view.controls) {
    let element;
    switch (control.kind) {
      case 'box': {
        element = document.createElement('fieldset');
        element.className = 'box';
        element.style.gridRow = control.row + 1;
        element.style.gridColumn = control.column + 1;
        element.style.order = control.column * 10 + control.row;
        element.append(document.createElement('legend'), document.createElement('div'));
        boxes.set(control.id, element);
        window_.append(element);
        break;
      }
      case 'label':
        element = document.createElement('span');
        element.className = 'label';
        break;
      case 'number':
        element = document.createElement('input');
        element.type = 'text';
        element.inputMode = 'numeric';
        element.size = 6;
        element.autocomplete = 'off';
        element.addEventListener('input', () => dirty.add(control.id));
        break;
      case 'report':
        element = document.createElement('textarea');
        element.rows = 3;
        element.addEventListener('input', () => dirty.add(control.id));
        break;
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        element.addEventListener('click', () => act(`press ${control.id}`));
        break;
      case 'list':
        element = document.createElement('select');
        element.addEventListener('change', () => act(`select ${control.id} ${element.selectedIndex}`));
        break;
      default:
        element = document.createElement('output');
        element.className = 'cell';
    }
    element.dataset.id = control.id;
    if (control.kind !== 'box') {
      element.style.gridRow = control.row + 1;
      element.style.gridColumn = `${control.column + 1} / span ${control.span}`;
      const parent = boxes.get(control.box);
      (parent.tagName === 'FIELDSET' ? parent.lastChild : parent).append(element);
    }
    elements.set(control.id, element);
  }
  window_.append(buttonColumn);
}

function draw(view) {
  document.documentElement.lang = view.locale;
  document.title = view.title;
  for (const control of view.controls) {
    const element = elements.get(control.id);
    if (!element) continue;
    switch (control.kind) {
      case 'box':
        element.firstChild.textContent = control.text;
        break;
      case 'number':
      case 'report':
        if (element.value !== control.text) element.value = control.text;
        break;
      case 'list': {
        const entries = control.entries;
        const options = [...element.options];
        if (options.length !== entries.length || options.some((option, i) => option.text !== entries[i])) {
          element.replaceChildren(...entries.map((entry) => new Option(entry)));
        }
        element.selectedIndex = control.selected;
        break;
      }
      default:
        element.textContent = control.text;
    }
    if (control.name) element.setAttribute('aria-label', control.name);
    else element.removeAttribute('aria-label');
    // A cell's whole value as its tooltip, for when it ends in "…".
    const tip = control.tip || (control.kind === 'cell' ? control.text.trim() : '');
    if (tip) element.title = tip;
    else element.removeAttribute('title');
    element.classList.toggle('red', control.colour === 'red');
    element.classList.toggle('green', control.colour === 'green');
    // A box's mnemonic goes to its first field, as the window's group box passes it on.
    if (control.key) {
      const target =
        control.kind === 'box' ? element.querySelector('input, select, textarea') : control.kind === 'button' ? element : null;
      if (target) target.accessKey = control.key.toLowerCase();
    }
  }
  return view;
}

// ---- Actions -------------------------------------------------------------------------------

// The edits typed into since the last action, as the program's fields, then the lines.
function act(...lines) {
  const sets = [...dirty].map((id) => `set ${id} ${bridge.escape(elements.get(id).value)}`);
  dirty.clear();
  const started = performance.now();
  bridge.run([...sets, ...lines].join('\n'));
  const printed = bridge.output();
  window.quorvelLastRunMs = performance.now() - started; // the program's work alone
  const view = draw(bridge.view(true)); // only what changed is drawn again
  window.quorvelLastActionMs = performance.now() - started; // the program's work and the drawing
  save();
  return handle(printed, view);
}

async function handle(printed, view) {
  for (const line of printed.split('\n').filter(Boolean)) {
    const [kind, ...fields] = line.split('\t');
    const text = fields.map((field) => bridge.unescape(field)).join('\t');
    if (kind === 'message' || kind === 'error') await showMessage(text, kind === 'error');
    else if (kind === 'focus') focus(Number(text));
    else if (kind === 'clipboard') navigator.clipboard?.writeText(text).catch(() => {});
    else if (kind === 'language-dialog' && !handle.answering) await chooseLanguage(view);
    else if (kind === 'save-dialog' && !handle.answering) await exportPlan(view);
    else if (kind === 'closed') restart();
  }
}

function focus(id) {
  const element = elements.get(id);
  if (!element) return;
  element.focus();
  element.select?.();
}

// One message box at a time, in the order the program said them.
let messages = Promise.resolve();
function showMessage(text, isError) {
  messages = messages.then(() => {
    const dialog = $('message');
    dialog.classList.toggle('error', isError);
    dialog.setAttribute('role', isError ? 'alertdialog' : 'dialog');
    $('message-text').textContent = text;
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
  });
  return messages;
}

// The program asked for a language: the page's dialog shows its texts, and the answer goes back
// with the same press.
async function chooseLanguage(view) {
  const texts = view.languageDialog;
  const dialog = $('languages');
  $('languages-title').textContent = texts.title;
  const list = $('language-list');
  list.setAttribute('aria-label', texts.title);
  list.replaceChildren(...texts.rows.map((row) => new Option(row)));
  list.size = texts.rows.length;
  list.selectedIndex = texts.current;
  $('languages-accept').textContent = texts.accept;
  $('languages-cancel').textContent = texts.cancel;
  dialog.returnValue = '';
  list.ondblclick = () => dialog.close('accept');
  list.onkeydown = (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      dialog.close('accept');
    }
  };
  dialog.showModal();
  list.focus();
  await new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
  if (dialog.returnValue !== 'accept' || list.selectedIndex < 0) return;
  await answered(`answer language ${list.selectedIndex}`, `press ${pressedLast}`);
}
// The button that opened a dialog, pressed again with the answer.
let pressedLast = 0;

// The program asked where to save the plan: it writes the file under its suggested name in a
// folder of the page's memory, which the browser downloads.
async function exportPlan(view) {
  const name = view.saveFileName || 'plan.txt';
  const path = `${exportFolder}/${name}`;
  await answered(`answer save ${bridge.escape(path)}`, `press ${pressedLast}`);
  let contents;
  try {
    contents = quorvel.FS.readFile(path);
    quorvel.FS.unlink(path);
  } catch {
    return; // the program said why it wrote nothing
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([contents], { type: 'text/plain' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function answered(...lines) {
  handle.answering = true;
  try {
    await act(...lines);
  } finally {
    handle.answering = false;
  }
}

// The player's files into the browser's storage after each action; a refusal is said.
function save() {
  if (!canSave) return;
  syncing = syncing.then(
    () =>
      new Promise((resolve) =>
        quorvel.FS.syncfs(false, (error) => {
          if (error) showMessage(bridge.storageError('data', 0), true);
          resolve();
        }),
      ),
  );
}

function restart() {
  bridge.start(home);
  bridge.output();
  draw(bridge.view());
}

// ---- Context menu --------------------------------------------------------------------------

// The window's context menu: the last strike and the plan as text, BBCode or Markdown, and
// paste-and-read, in the player's language.
function onContextMenu(event) {
  if (event.target.closest('input, textarea, dialog')) return;
  event.preventDefault();
  const view = bridge.view();
  const menu = $('share-menu');
  const entries = [
    ...view.copyStrike.map((text, i) => [text, `copy ${['text', 'bbcode', 'markdown'][i]}`]),
    ...view.copyPlan.map((text, i) => [text, `copy plan ${['text', 'bbcode', 'markdown'][i]}`]),
  ];
  const pasteAndRead = () =>
    navigator.clipboard
      .readText()
      .then((text) => act(`clipboard ${bridge.escape(text)}`, 'paste'))
      .catch(() => {});
  menu.replaceChildren(
    ...[...entries, [view.paste, pasteAndRead]].map(([text, line]) => {
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.textContent = text;
      item.addEventListener('click', () => {
        menu.hidePopover();
        if (typeof line === 'function') line();
        else act(line);
      });
      return item;
    }),
  );
  menu.style.left = `${Math.min(event.clientX, innerWidth - 260)}px`;
  menu.style.top = `${Math.min(event.clientY, innerHeight - 220)}px`;
  menu.showPopover();
  menu.querySelector('button')?.focus();
}

// ---- Keyboard ------------------------------------------------------------------------------

// Ctrl+Shift+V: the pasted text goes to the program's clipboard, which replaces the report and reads it.
let pasteAndRead = false;
function onPaste(event) {
  if (!pasteAndRead) return;
  pasteAndRead = false;
  event.preventDefault();
  act(`clipboard ${bridge.escape(event.clipboardData.getData('text/plain'))}`, 'paste');
}

function onKey(event) {
  if (document.querySelector('dialog[open], :popover-open')) return;
  const inReport = event.target.tagName === 'TEXTAREA';
  if (event.key === 'Enter' && (!inReport || event.ctrlKey) && event.target.tagName !== 'BUTTON') {
    event.preventDefault();
    act('key enter');
  } else if (event.key === 'Escape') {
    event.preventDefault();
    act('key escape');
  } else if (event.ctrlKey && event.shiftKey && (event.key === 'V' || event.key === 'v')) {
    pasteAndRead = true; // the browser's paste event that follows brings the text
  } else if (event.ctrlKey && !event.shiftKey && (event.key === 'c' || event.key === 'C')) {
    const field = event.target;
    const selected =
      field.selectionStart !== undefined && field.selectionStart !== null
        ? field.selectionStart !== field.selectionEnd
        : String(window.getSelection()) !== '';
    if (!selected) {
      event.preventDefault();
      act('copy text');
    }
  }
}

// ---- Start ---------------------------------------------------------------------------------

async function main() {
  quorvel = await QuorvelModule();
  performance.mark('module');
  const FS = quorvel.FS;
  FS.mkdirTree(dataFolder);
  FS.mkdirTree(exportFolder);
  FS.mount(FS.filesystems.IDBFS, {}, dataFolder);
  await new Promise((resolve) => FS.syncfs(true, resolve));
  canSave = await holdFiles();
  performance.mark('storage');
  bridge.start(home);
  const printed = bridge.output();
  const view = bridge.view();
  build(view);
  draw(view);
  document.addEventListener('click', (event) => {
    const id = event.target.closest?.('button[data-id]')?.dataset.id;
    if (id) pressedLast = Number(id);
  }, true);
  document.addEventListener('keydown', onKey);
  document.addEventListener('keyup', () => (pasteAndRead = false));
  document.addEventListener('paste', onPaste);
  document.addEventListener('contextmenu', onContextMenu);
  $('window').removeAttribute('aria-busy');
  window.quorvelReadyMs = performance.now(); // since the navigation started
  document.body.dataset.ready = 'true';
  if (!canSave) await showMessage(bridge.storageError('data', 1), true);
  await handle(printed, view);
}

// One tab owns the player's files; another says so and keeps its changes to itself.
function holdFiles() {
  if (!navigator.locks) return Promise.resolve(true);
  return new Promise((resolve) =>
    navigator.locks.request('quorvel-files', { ifAvailable: true }, (lock) => {
      resolve(lock !== null);
      return lock ? new Promise(() => {}) : undefined; // held while the tab lives
    }),
  );
}

// Offline: the service worker caches the page and the module (which holds the language files).
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
main();
