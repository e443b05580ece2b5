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
// The page's windows over the window (curve.js, targets.js, work.js) hook in here: views get every
// view drawn, events[kind] the program's events of that kind, menuFirst and menuLast the context
// menu's entries before and after the shares.
const parts = { views: [], events: {}, menuFirst: [], menuLast: [] };

// Texts go to the program through its heap: ccall would copy them onto the module's stack (5 MB),
// which a pasted page of reports overruns.
const encoder = new TextEncoder();
function call(name, returns, texts, numbers = []) {
  const addresses = texts.map((text) => {
    const bytes = encoder.encode(text);
    const address = quorvel._malloc(bytes.length + 1);
    if (!address) throw new WebAssembly.RuntimeError('out of memory');
    quorvel.HEAPU8.set(bytes, address);
    quorvel.HEAPU8[address + bytes.length] = 0;
    return address;
  });
  try {
    return quorvel.ccall(name, returns, [...texts, ...numbers].map(() => 'number'), [...addresses, ...numbers]);
  } finally {
    addresses.forEach((address) => quorvel._free(address));
  }
}

const bridge = {
  // With the browser's languages for a first visit; 1: the page keeps its session, as the window does.
  start: (folder) => call('quorvel_start', null, [folder, navigator.languages?.join(',') ?? ''], [1]),
  run: (lines) => call('quorvel_run', 'number', [lines]),
  output: () => quorvel.ccall('quorvel_output', 'string', [], []),
  view: (changedOnly = false) => JSON.parse(quorvel.ccall('quorvel_view', 'string', ['number'], [changedOnly ? 1 : 0])),
  escape: (text) => call('quorvel_escape', 'string', [text]),
  unescape: (text) => call('quorvel_unescape', 'string', [text]),
  // The program says the refusal as an error line; its text is what the page shows.
  storageError: (file, which) =>
    bridge.unescape(call('quorvel_storage_error', 'string', [file], [which]).split('\t')[1]?.trimEnd() ?? ''),
  saveSession: () => quorvel.ccall('quorvel_save_session', null, [], []),
  // The address links of share codes open: the page's own, without its fragment.
  setPageAddress: () => call('quorvel_set_page_address', null, [location.href.split('#')[0]]),
};

// ---- Drawing -------------------------------------------------------------------------------

function build(view) {
  const window_ = $('window');
  window_.textContent = '';
  elements = new Map();
  const boxes = new Map();
  const buttonColumn = document.createElement('div');
  buttonColumn.className = 'buttons';
  buttonColumn.style.gridArea = 'bb';
  boxes.set(0, buttonColumn);
  for (const control of view.controls) {
    let element;
    switch (control.kind) {
      case 'box': {
        element = document.createElement('fieldset');
        element.className = 'box';
        placeBox(element, control);
        element.append(document.createElement('legend'), document.createElement('div'));
        boxes.set(control.id, element);
        window_.append(element);
        break;
      }
      case 'label':
        element = document.createElement('span');
        // A box's first row heads its columns; a label alone in the first column names its row.
        element.className = `label ${control.row === 0 ? 'heading' : control.column === 0 && control.span === 1 ? 'row-label' : ''}`;
        break;
      case 'number':
        element = document.createElement('input');
        element.type = 'text';
        element.inputMode = 'numeric';
        element.size = 6;
        element.autocomplete = 'off';
        element.addEventListener('input', () => typed(control.id));
        break;
      case 'report':
        element = document.createElement('textarea');
        element.rows = 3;
        element.addEventListener('input', () => typed(control.id));
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

// The view drawn last: every view carries the menus' words, also one of changes only.
let drawnView = null;

function draw(view) {
  drawnView = view;
  const newLanguage = document.documentElement.lang !== view.locale;
  document.documentElement.lang = view.locale;
  document.title = view.title;
  pageTexts = view.page;
  $('message-ok').textContent = pageTexts.ok;
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
    // A cell's whole value as its tooltip, for when it ends in "…"; a list's choice, for when the
    // list is narrower than its entry.
    const tip = control.tip || (control.kind === 'cell' ? control.text.trim() : control.entries?.[control.selected] ?? '');
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
  for (const follow of parts.views) follow(view);
  if (newLanguage) arrange(); // the texts decide how wide the boxes are
  return view;
}

// ---- Layout --------------------------------------------------------------------------------

// A box's place in the window's grid becomes an area name, "b" row column (the button column is
// "bb"); the style sheet arranges the areas four ways, from the window's own (three columns of
// boxes, then the buttons) to one column on a phone, the last also with headings that may break
// inside a word. The widest arrangement that fits the page's width is used, so the language's
// texts decide, not a fixed width: boxes side by side must fit with every label and caption on one
// line and room for a usual value in each cell ("roomy"); one column only needs to fit at all.
const arrangements = ['window', 'three', 'two', 'one', 'one narrow'];
function placeBox(element, control) {
  element.style.gridArea = `b${control.row}${control.column}`;
  element.dataset.row = control.row;
}
function arrange() {
  const window_ = $('window');
  for (const arrangement of arrangements) {
    window_.dataset.arrangement = arrangement;
    window_.classList.toggle('roomy', !arrangement.startsWith('one'));
    const fits = window_.scrollWidth <= window_.clientWidth;
    window_.classList.remove('roomy');
    if (fits) return;
  }
}

// ---- Actions -------------------------------------------------------------------------------

// The edits typed into since the last action, as lines that set the program's fields.
function takeEdits() {
  const sets = [...dirty].map((id) => `set ${id} ${bridge.escape(elements.get(id).value)}`);
  dirty.clear();
  return sets;
}

// The edits, then the lines. A line may be a function that calls the program itself (a dropped
// file); a question the program asks (the plan's) is answered by running the same lines again.
function act(...lines) {
  const sets = takeEdits();
  const started = performance.now();
  let batch = sets;
  const flush = () => {
    if (batch.length) bridge.run(batch.join('\n'));
    batch = [];
  };
  for (const line of lines) {
    if (typeof line !== 'function') {
      batch.push(line);
      continue;
    }
    flush();
    line();
  }
  flush();
  const printed = bridge.output();
  window.quorvelLastRunMs = performance.now() - started; // the program's work alone
  const view = draw(bridge.view(true)); // only what changed is drawn again
  window.quorvelLastActionMs = performance.now() - started; // the program's work and the drawing
  save();
  return handle(printed, view, lines);
}

async function handle(printed, view, lines = []) {
  for (const line of printed.split('\n').filter(Boolean)) {
    const [kind, ...fields] = line.split('\t');
    const text = fields.map((field) => bridge.unescape(field)).join('\t');
    if (kind === 'message' || kind === 'error') await showMessage(text, kind === 'error');
    else if (kind === 'focus') focus(Number(text));
    else if (kind === 'clipboard' && handle.capture) handle.capture(text);
    else if (kind === 'clipboard') navigator.clipboard?.writeText(text).catch(() => {});
    else if (kind === 'language-dialog' && !handle.answering) await chooseLanguage(view);
    else if (kind === 'save-dialog' && !handle.answering) await exportPlan(view);
    else if (kind === 'plan-dialog' && !handle.answering) await askPlan(view, lines);
    else if (kind === 'closed') restart();
    else if (parts.events[kind]) await parts.events[kind](text, view);
  }
}

// What a copy line puts on the clipboard, taken for a download instead.
async function copied(line) {
  let text = '';
  handle.capture = (copiedText) => (text = copiedText);
  try {
    await act(line);
  } finally {
    handle.capture = null;
  }
  return text;
}

function download(name, contents, type) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([contents], { type }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function focus(id) {
  const element = elements.get(id);
  if (!element) return;
  element.focus();
  element.select?.();
}

// The dialog shown as a modal one; the promise settles when it closes.
function shownUntilClosed(dialog) {
  dialog.showModal();
  return new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
}

// One message box at a time, in the order the program said them.
let messages = Promise.resolve();
function showMessage(text, isError) {
  messages = messages.then(() => {
    const dialog = $('message');
    dialog.classList.toggle('error', isError);
    dialog.setAttribute('role', isError ? 'alertdialog' : 'dialog');
    $('message-text').textContent = text;
    return shownUntilClosed(dialog);
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
  const closed = shownUntilClosed(dialog);
  list.focus();
  await closed;
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
  download(name, contents, 'text/plain');
}

// A code of a plan asked whether it replaces the plan or goes at its end: the page's dialog shows
// the program's question, and the answer goes back with the lines that asked; cancel sends nothing.
async function askPlan(view, lines) {
  const texts = view.codes.planDialog;
  const dialog = $('plan-question');
  $('plan-question-title').textContent = texts.title;
  $('plan-question-text').textContent = texts.question;
  for (const answer of ['replace', 'extend', 'cancel']) $(`plan-question-${answer}`).textContent = texts[answer];
  dialog.returnValue = '';
  await shownUntilClosed(dialog);
  if (dialog.returnValue === 'replace' || dialog.returnValue === 'extend') {
    await answered(`answer plan ${dialog.returnValue}`, ...lines);
  }
}

// The page opened with a link (or its fragment changed to one): the program loads the code as the
// batch's open does, or says why it refuses it; the fragment goes, so that a reload does not load
// it again.
function openFragment() {
  if (location.hash.length <= 1) return;
  const link = location.href;
  history.replaceState(history.state, '', link.split('#')[0]);
  return act(`open ${bridge.escape(link)}`);
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

// The program starts (again) with the page's address, so that it offers links.
function start() {
  bridge.start(home);
  bridge.setPageAddress();
}

function restart() {
  start();
  bridge.output();
  draw(bridge.view());
}

// What was typed since the last action goes into the session too, as the window's exit keeps it:
// a second after the typing stops, and when the page goes away (a reload, a closed tab).
let typing = 0;
function typed(id) {
  dirty.add(id);
  clearTimeout(typing);
  typing = setTimeout(keepSession, 1000);
}
function keepSession() {
  if (stopped || !canSave) return;
  const sets = takeEdits();
  if (sets.length) bridge.run(sets.join('\n'));
  bridge.saveSession();
  save();
}

// ---- When the module stops -----------------------------------------------------------------

// An abort (out of memory) or a trap leaves the module unusable: the page says so in the player's
// language and starts again from the files it stored. Nothing more is stored: the module's memory
// may be damaged.
let stopped = false;
let pageTexts = { ok: 'OK', stopped: 'Quorvel stopped after an internal error. The page starts again.' };
function moduleStopped() {
  if (stopped) return;
  stopped = true;
  canSave = false;
  const dialog = $('message'); // an open message box says this instead
  dialog.classList.add('error');
  dialog.setAttribute('role', 'alertdialog');
  $('message-text').textContent = pageTexts.stopped;
  dialog.addEventListener('close', () => location.reload(), { once: true });
  if (!dialog.open) dialog.showModal();
}
addEventListener('error', (event) => event.error instanceof WebAssembly.RuntimeError && moduleStopped());
addEventListener('unhandledrejection', (event) => event.reason instanceof WebAssembly.RuntimeError && moduleStopped());

// ---- Context menu --------------------------------------------------------------------------

// The window's context menu: the last strike and the plan as text, BBCode or Markdown, and
// paste-and-read, in the player's language.
function onContextMenu(event) {
  if (event.target.closest('input, textarea, dialog')) return;
  event.preventDefault();
  const view = drawnView;
  const menu = $('share-menu');
  const pasteAndRead = () =>
    navigator.clipboard
      .readText()
      .then((text) => act(`clipboard ${bridge.escape(text)}`, 'paste'))
      .catch(() => {});
  const entries = [
    ...parts.menuFirst.flatMap((more) => more(view)),
    ...view.copyStrike.map((text, i) => [text, `copy ${['text', 'bbcode', 'markdown'][i]}`, { keys: i ? '' : 'Ctrl+C' }]),
    ...codeEntries(view.codes, 0),
    '-',
    ...view.copyPlan.map((text, i) => [text, `copy plan ${['text', 'bbcode', 'markdown'][i]}`]),
    ...codeEntries(view.codes, 1),
    '-',
    ...codeEntries(view.codes, 2),
    '-',
    [view.paste, pasteAndRead, { keys: 'Ctrl+Shift+V' }],
    ...parts.menuLast.flatMap((more) => more(view)),
  ];
  // An entry: its text, its batch line or function, and the key that does the same; '-' a line.
  menu.replaceChildren(
    ...entries.map((entry) => {
      if (entry === '-') return document.createElement('hr');
      const [text, line, { keys = '', disabled = false } = {}] = entry;
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.disabled = disabled;
      item.append(text, Object.assign(document.createElement('kbd'), { textContent: keys }));
      if (keys) item.setAttribute('aria-keyshortcuts', keys.replace('Ctrl', 'Control'));
      item.addEventListener('click', () => {
        menu.hidePopover();
        if (typeof line === 'function') line();
        else act(line);
      });
      return item;
    }),
  );
  menu.showPopover();
  menu.style.left = `${Math.max(0, Math.min(event.clientX, innerWidth - menu.offsetWidth))}px`;
  menu.style.top = `${Math.max(0, Math.min(event.clientY, innerHeight - menu.offsetHeight))}px`;
  menu.querySelector('button:enabled')?.focus();
}
// The share code of the strike (0), the plan (1) or the target list (2), and its link when the
// program offers links, as the window's menu has them.
function codeEntries(codes, kind) {
  const copy = `copy ${['', 'plan ', 'targets '][kind]}`;
  return [[codes.copyCode[kind], `${copy}code`], ...(codes.links ? [[codes.copyLink[kind], `${copy}link`]] : [])];
}
// The arrow keys walk the menu's entries.
function onMenuKey(event) {
  const items = [...event.currentTarget.querySelectorAll('button:enabled')];
  const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
  if (!step || !items.length) return;
  event.preventDefault();
  items[(items.indexOf(document.activeElement) + step + items.length) % items.length].focus();
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
  quorvel = await QuorvelModule({ onAbort: moduleStopped });
  performance.mark('module');
  const FS = quorvel.FS;
  FS.mkdirTree(dataFolder);
  FS.mkdirTree(exportFolder);
  FS.mount(FS.filesystems.IDBFS, {}, dataFolder);
  await new Promise((resolve) => FS.syncfs(true, resolve));
  canSave = await holdFiles();
  performance.mark('storage');
  start();
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
  $('share-menu').addEventListener('keydown', onMenuKey);
  addEventListener('pagehide', keepSession);
  arrange();
  addEventListener('resize', arrange);
  $('window').removeAttribute('aria-busy');
  window.quorvelReadyMs = performance.now(); // since the navigation started
  document.body.dataset.ready = 'true';
  if (!canSave) await showMessage(bridge.storageError('data', 1), true);
  const started = handle(printed, view);
  openFragment();
  addEventListener('hashchange', openFragment);
  await started;
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
// Once the page's other scripts ran: their parts draw the first view too.
addEventListener('DOMContentLoaded', main);
