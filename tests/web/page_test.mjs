// The page in the system's Chromium (headless, driven by puppeteer-core):
//   QUORVEL_PAGE_DIR=build/web/page node page_test.mjs
// Serves PAGE_DIR on localhost and plays the player: the worked example, a language, a reload, an
// export, the keyboard alone, a phone's screen, every width in every language, installing and
// offline. Prints the sizes and timings it saw. QUORVEL_SCREENSHOTS=DIR also writes screenshots.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

// puppeteer-core is the page folder's dev dependency (web/package-lock.json).
const here = path.dirname(fileURLToPath(import.meta.url));
const puppeteer = createRequire(path.join(here, '../../web/package.json'))('puppeteer-core');
const pageDir = path.resolve(process.env.QUORVEL_PAGE_DIR);
const shots = process.env.QUORVEL_SCREENSHOTS;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
const server = createServer((request, response) => {
  const file = path.join(pageDir, decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html'));
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
let browser;
let url;

before(async () => {
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  url = `http://localhost:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
  });
});
after(async () => {
  await browser?.close();
  server.close();
});

async function open(context, width = 1440, height = 900) {
  const page = await context.newPage();
  await page.setViewport({ width, height });
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
  return page;
}
// Runs body on a page of its own browser context (storage of its own), then closes the context.
async function onPage(body, width, height) {
  const context = await browser.createBrowserContext();
  await body(await open(context, width, height), context);
  await context.close();
}
const field = (id) => `[data-id="${id}"]`;
const text = (page, id) =>
  page.$eval(field(id), (element) => element.value ?? (element.querySelector('legend') ?? element).textContent);
async function type(page, values) {
  for (const [id, value] of Object.entries(values)) await page.type(field(id), value);
}
const e2e = (name) => readFileSync(path.join(here, '../e2e', name), 'utf8');
// The report field holds text (as a paste would put it there), then key runs.
async function withReports(page, key) {
  const reports = e2e('target_list.batch').match(/^set 1039 (.*)$/m)[1].replaceAll('\\n', '\n').replaceAll('\\t', '\t');
  await page.$eval(field(1039), (report, text) => {
    report.value = text;
    report.dispatchEvent(new Event('input'));
  }, reports);
  await key();
  await page.waitForSelector('#targets[open]');
}
async function chooseLanguage(page, name) {
  await page.click(field(1096));
  await page.waitForSelector('#languages[open]');
  await page.$eval('#language-list', (list, name) => {
    list.selectedIndex = [...list.options].findIndex((option) => option.text === name);
  }, name);
  await page.click('#languages-accept');
}

test('sizes: the module (with the language files), scripts, styles, manifest and icons', () => {
  let total = 0;
  for (const file of readdirSync(pageDir).filter((name) => name !== 'quorvel-batch.mjs')) {
    total += gzipSync(readFileSync(path.join(pageDir, file)), { level: 9 }).length;
  }
  console.log(`# gzipped page: ${(total / 1024).toFixed(1)} KB; module ${statSync(path.join(pageDir, 'quorvel.wasm')).size} bytes raw`);
});

test('the worked example, a language, a reload that keeps them', () => onPage(async (page) => {
  console.log(`# interactive after ${(await page.evaluate(() => window.quorvelReadyMs)).toFixed(0)} ms (first visit)`);
  await type(page, { 1001: '100', 1002: '10', 1010: '2', 1012: '10' });
  await page.click(field(1029));
  assert.equal(await text(page, 1060), '100');
  assert.equal(await text(page, 1072), '231.000');
  assert.equal(await text(page, 1168), '▲ more');
  assert.ok(await page.$eval(field(1072), (cell) => cell.classList.contains('red')));
  assert.equal(await page.$eval(field(1001), (input) => input.getAttribute('aria-label')), 'Rocket Launcher');
  const runs = [];
  const actions = [];
  for (let i = 0; i < 21; ++i) {
    await page.click(field(1029));
    runs.push(await page.evaluate(() => window.quorvelLastRunMs));
    actions.push(await page.evaluate(() => window.quorvelLastActionMs));
  }
  const spread = (times) => {
    times.sort((a, b) => a - b);
    return `median ${times[10].toFixed(1)} ms, worst ${times.at(-1).toFixed(1)} ms`;
  };
  console.log(`# Simulate in the page: the program ${spread(runs)}; with the drawing ${spread(actions)}`);
  if (shots) await page.screenshot({ path: path.join(shots, 'web-desktop-en.png'), fullPage: true });
  await page.click(`${field(1000)} > legend`, { button: 'right' });
  assert.equal(await page.$$eval('#share-menu:popover-open button', (items) => items.length), 19); // with the codes and links
  await page.keyboard.press('Escape');

  await chooseLanguage(page, 'Deutsch');
  await page.waitForFunction(() => document.documentElement.lang === 'de');
  assert.equal(await text(page, 1000), 'Verteidiger');
  assert.deepEqual([await text(page, 1001), await text(page, 1072)], ['100', '231.000']); // the work stays
  await type(page, { 1087: '1', 1089: '100', 1090: '7' });
  await page.click(field(1122));
  await page.waitForFunction(() => document.querySelector('[data-id="1114"]').options.length === 1);
  await page.$eval(field(1002), (input) => (input.value = ''));
  await type(page, { 1002: '20' }); // typed, no action: kept as the window's exit keeps it
  await new Promise((resolve) => setTimeout(resolve, 1500)); // the storage is written after the typing

  await page.reload();
  await page.waitForSelector('body[data-ready]');
  console.log(`# interactive after ${(await page.evaluate(() => window.quorvelReadyMs)).toFixed(0)} ms (reload)`);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
  assert.equal(await page.$eval(field(1114), (list) => list.options[0].text), '1:100:7');
  assert.deepEqual([await text(page, 1001), await text(page, 1002), await text(page, 1060)], ['100', '20', '100']);
}));

test('the loss curve: its marks and a readout as the batch prints them; launches, the range rule, the arrival', () => onPage(async (page) => {
  const printed = e2e('loss_curve_worked_example.expected').split('\n').map((line) => line.split('\t'));
  await type(page, { 1001: '100', 1002: '10', 1010: '2', 1012: '10', 1177: '1', 1087: '1', 1089: '100', 1090: '7', 1091: '1', 1092: '105', 1093: '3' });
  await page.click(field(1029));
  await page.click(field(1178));
  assert.equal(await text(page, 1179), printed.find(([id]) => id === '1179')[1]);
  await page.click(field(1094));
  assert.match(await text(page, 1190), /^Arrival at \d\d?:\d\d/);
  assert.equal(await page.$eval(field(1189), (list) => list.options.length), 2);
  await page.keyboard.press('F3');
  await page.waitForSelector('#curve[open]');
  const marks = await page.$$eval('#curve-chart line[data-key]', (lines) => lines.map((line) => ['curve-mark', line.dataset.key, line.dataset.missiles]));
  assert.deepEqual(marks, printed.filter(([kind, key]) => kind === 'curve-mark' && !key.startsWith('wiped')));
  const at = await page.$eval('#curve-chart polyline', (line) => {
    const [point, screen] = [line.points[4], line.getScreenCTM()];
    return [point.x * screen.a + screen.e, point.y * screen.d + screen.f];
  });
  await page.mouse.move(...at);
  const [, n, dm, dc, dd, am, ac, ad] = printed.find(([kind, n]) => kind === 'curve' && n === '4').map(Number);
  const readout = await page.$eval('#curve-readout', (output) => output.textContent);
  assert.deepEqual(readout.match(/\d[\d.]*/g).map((number) => Number(number.replaceAll('.', ''))), [n, dm + dc + dd, dm, dc, dd, am + ac + ad]);
  await page.click('#curve-table-tab');
  assert.equal(await page.$$eval('#curve-table tbody tr', (rows) => rows.length), printed.filter(([kind]) => kind === 'curve').length);
  await page.keyboard.press('Escape');
  await page.keyboard.press('F1');
  assert.match(await page.$eval('#about[open]', (about) => about.textContent), /Version \d/);
}));

// A link the native program makes (the default preset's quorvel-batch, which scripts/test.sh
// builds before the web preset) opens the page with the worked example simulated and goes from the
// address; the page's menu makes the same link; a damaged link is refused and changes nothing.
const nativeBatch = process.env.QUORVEL_NATIVE_BATCH ?? '';
const noNativeBatch = !existsSync(nativeBatch) && `skipped: no native quorvel-batch at "${nativeBatch}" (build the default preset first)`;
test('a link of the native program opens the strike; the menu makes the same link; a damaged one is refused', { skip: noNativeBatch }, () => onPage(async (page) => {
  const home = mkdtempSync(path.join(tmpdir(), 'quorvel-home-'));
  cpSync(path.join(here, '../../languages'), path.join(home, 'languages'), { recursive: true });
  const address = `http://127.0.0.1:${server.address().port}/index.html`;
  const worked = e2e('strike_worked_example.batch').split('\n').filter((line) => /^(set|press) /.test(line));
  const printed = execFileSync(nativeBatch, ['--home', home], { input: [`page-address ${address}`, ...worked, 'link strike', ''].join('\n'), encoding: 'utf8' });
  rmSync(home, { recursive: true });
  const link = printed.match(/^link\t(.+)$/m)[1];
  await page.goto(link);
  await page.waitForSelector('body[data-ready]');
  await page.waitForFunction(() => location.hash === '');
  const cells = async () => Promise.all([1060, 1061, 1072, 1080].map((id) => text(page, id)));
  assert.deepEqual(await cells(), ['100', '10', '231.000', '50.000']);
  assert.equal(page.url(), address);
  await page.evaluate(() => (navigator.clipboard.writeText = async (copied) => (window.copied = copied)));
  await page.click(`${field(1000)} > legend`, { button: 'right' });
  await page.$$eval('#share-menu button', (items, entry) => items.find((item) => item.textContent === entry).click(), 'Copy strike as link');
  assert.equal(await page.evaluate(() => window.copied), link);

  await page.evaluate((code) => (location.hash = code), link.split('#')[1].replace(/.$/, (last) => (last === 'A' ? 'B' : 'A')));
  await page.waitForSelector('#message[open]');
  assert.match(await page.$eval('#message-text', (message) => message.textContent), /damaged/i);
  await page.click('#message-ok');
  assert.deepEqual(await cells(), ['100', '10', '231.000', '50.000']);
  assert.equal(page.url(), address);
}));

// A plan's code pasted while the plan holds records asks: cancel keeps the plan, extend adds to it.
test('a plan code asks whether it replaces or extends the plan', () => onPage(async (page) => {
  await type(page, { 1001: '100', 1012: '10' });
  await page.click(field(1029));
  await page.click(field(1165));
  const code = await page.evaluate(() => copied('copy plan code'));
  const paste = () => page.evaluate((code) => void act(`clipboard ${bridge.escape(code)}`, 'paste'), code);
  for (const [answer, plan] of [['cancel', '1'], ['extend', '2']]) {
    await paste();
    await page.waitForSelector('#plan-question[open]');
    assert.match(await page.$eval('#plan-question', (dialog) => dialog.textContent), /plan/i);
    await page.click(`#plan-question-${answer}`);
    await page.waitForFunction((plan) => document.querySelector('[data-id="1185"]').textContent === plan, {}, plan);
  }
}));

test('a target list of three reports: sorted, a row loaded, undone and redone; dropped files; a new plan', () => onPage(async (page) => {
  await withReports(page, () => page.click(field(1085)));
  const positions = () => page.$$eval('#targets tbody tr', (rows) => rows.map((row) => row.cells[0].textContent));
  assert.deepEqual(await positions(), ['4:127:9', '7:312:11', '4:130:2']);
  await page.click('#targets th:nth-child(2) button'); // defence units, then the other way round
  await page.click('#targets th:nth-child(2) button');
  assert.deepEqual(await positions(), ['7:312:11', '4:127:9', '4:130:2']);
  await page.click('#targets tbody tr');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 1001), '1250');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  assert.equal(await text(page, 1001), '');
  await page.keyboard.press('y');
  await page.keyboard.up('Control');
  assert.equal(await text(page, 1001), '1250');
  await page.evaluate(() => {
    const drop = new DataTransfer();
    drop.items.add(new File(['Resources at Moon [5:5:5]\nRocket Launcher 3'], 'moon.txt'));
    drop.items.add(new File([new Uint8Array((4 << 20) + 1)], 'huge.txt'));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: drop, bubbles: true }));
  });
  await page.waitForSelector('#message[open]');
  assert.match(await page.$eval('#message-text', (message) => message.textContent), /huge\.txt.*larger than 4 MiB/);
  await page.click('#message-ok');
  assert.equal(await page.$eval('#targets-count', (count) => count.textContent), '4 targets, 4 shown');
  await page.keyboard.press('Escape');
  await type(page, { 1012: '10' });
  await page.click(field(1029));
  await page.click(field(1165));
  const newPlan = (entries) => entries.find((entry) => entry.textContent === 'New plan').click();
  await page.$$eval('.page-buttons button', newPlan); // a phone's button; the context menu has the same entry
  assert.equal(await text(page, 1185), '0');
  await page.$$eval('.page-buttons button', (buttons) => buttons[0].click()); // undo
  assert.equal(await text(page, 1185), '1');
}, 390, 844));

test('German dialog buttons, the whole language list, a first visit in the browser\'s language', () => onPage(async (page, context) => {
  await chooseLanguage(page, 'Deutsch');
  await page.click(field(1096));
  const buttons = await page.$$eval('#languages button', (all) => all.map((button) => button.textContent));
  assert.deepEqual(buttons, ['OK', 'Abbrechen']);
  assert.ok(await page.$eval('#language-list', (list) => list.clientHeight >= 9 * list.options[0].offsetHeight - 1));
  await page.click('#languages-cancel');
  await page.evaluate(() => syncing);
  const visit = async (context) => {
    const visitor = await context.newPage();
    await visitor.evaluateOnNewDocument(() => Object.defineProperty(navigator, 'languages', { get: () => ['ja', 'pl-PL', 'de'] }));
    await visitor.goto(url).then(() => visitor.waitForSelector('body[data-ready]'));
    return visitor.evaluate(() => document.documentElement.lang);
  };
  assert.equal(await visit(context), 'de'); // the saved choice wins
  const fresh = await browser.createBrowserContext();
  assert.equal(await visit(fresh), 'pl');
  await fresh.close();
}));

test('a second tab says that the first one holds the files', () => onPage(async (page, context) => {
  const second = await open(context);
  assert.match(await second.$eval('#message[open]', (dialog) => dialog.textContent), /another program holds it/);
}));

test('a full storage quota is said', () => onPage(async (page) => {
  await page.evaluate(() => {
    quorvel.FS.syncfs = (populate, done) => done(new DOMException('full', 'QuotaExceededError'));
  });
  await page.click(field(1029));
  await page.waitForSelector('#message[open]');
  assert.match(await page.$eval('#message', (dialog) => dialog.textContent), /quota is used up/);
}));

test('remember and export: the download holds the record', () => onPage(async (page, context) => {
  const downloads = mkdtempSync(path.join(tmpdir(), 'quorvel-download-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, browserContextId: context.id });
  await type(page, { 1001: '100', 1012: '10' });
  await page.click(field(1029));
  await page.click(field(1165));
  await page.click(field(1166));
  let files = [];
  for (let i = 0; i < 50 && !files.some((file) => !file.endsWith('.crdownload')); ++i) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    files = readdirSync(downloads);
  }
  assert.equal(files.length, 1);
  const record = readFileSync(path.join(downloads, files[0]), 'utf8');
  assert.match(record, /Rocket Launcher/);
  console.log(`# exported ${files[0]}: ${record.length} characters`);
  rmSync(downloads, { recursive: true });
}));

test('keyboard only: fields, Enter simulates, Escape resets', () => onPage(async (page) => {
  await page.focus(field(1001));
  await page.keyboard.type('100');
  await page.keyboard.press('Tab');
  await page.keyboard.type('10');
  await page.focus(field(1012));
  await page.keyboard.type('10');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 1060), '100');
  assert.equal(await page.$eval(field(1029), (button) => button.accessKey), 's');
  await page.keyboard.press('Escape');
  assert.equal(await text(page, 1001), '');
}));

test('a phone in portrait: the boxes stack, nothing sticks out', () => onPage(async (page) => {
  const lefts = await page.$$eval('fieldset.box', (boxes) => boxes.map((box) => Math.round(box.getBoundingClientRect().left)));
  assert.equal(new Set(lefts).size, 1);
  assert.ok((await page.evaluate(() => document.documentElement.scrollWidth)) <= 390);
  if (shots) {
    await chooseLanguage(page, 'Polski');
    await page.waitForFunction(() => document.documentElement.lang === 'pl');
    await type(page, { 1001: '100', 1002: '10', 1010: '2', 1012: '10' });
    await page.click(field(1029));
    await page.screenshot({ path: path.join(shots, 'web-phone-pl.png'), fullPage: true });
    await page.setViewport({ width: 1440, height: 900 });
    await page.screenshot({ path: path.join(shots, 'web-desktop-pl.png'), fullPage: true });
    await page.setViewport({ width: 390, height: 844 });
    await chooseLanguage(page, 'English');
    await page.screenshot({ path: path.join(shots, 'web-phone-en.png'), fullPage: true });
  }
}, 390, 844));

test('a pasted text of megabytes is read; a module that stops is said and the page reloaded', () => onPage(async (page) => {
  await page.evaluate(() => void act(`clipboard ${bridge.escape('x '.repeat(2e6))}`, 'paste'));
  assert.match(await page.$eval('#message[open]', (dialog) => dialog.textContent), /No espionage report/);
  await page.click('#message-ok');
  await page.evaluate(() => setTimeout(() => quorvel._quorvel_run(2 ** 31 - 16))); // a read far beyond its memory
  await page.waitForFunction(() => document.querySelector('#message[open]')?.textContent.includes('internal error'));
  await Promise.all([page.waitForNavigation(), page.click('#message-ok')]);
  await page.waitForSelector('body[data-ready]');
}));

// Every width from a phone to a wide screen, every language, with results in the cells.
test('no box over another, no control outside its box, no cut text without its tooltip', () => onPage(async (page) => {
  await page.click(field(1096));
  const names = await page.$$eval('#language-list option', (options) => options.map((option) => option.text));
  await page.click('#languages-cancel');
  await type(page, { 1001: '100', 1002: '10', 1010: '2', 1012: '10' }); // kept through every language
  for (const name of names) {
    await chooseLanguage(page, name);
    await page.click(field(1029));
    if (name === 'Türkçe') assert.equal(await page.$eval('#message-ok', (button) => button.textContent), 'Tamam');
    for (const width of [320, 390, 768, 1280, 1920]) {
      await page.setViewport({ width, height: 900 });
      const faults = await page.evaluate(async () => {
        await new Promise((resolve) => requestAnimationFrame(resolve)); // after the resize event
        const faults = [];
        const boxes = [...document.querySelectorAll('#window > *')];
        const [inside, apart] = [(a, b) => a.left >= b.left - 0.5 && a.right <= b.right + 0.5 && a.top >= b.top - 0.5 && a.bottom <= b.bottom + 0.5,
          (a, b) => a.right <= b.left + 0.5 || b.right <= a.left + 0.5 || a.bottom <= b.top + 0.5 || b.bottom <= a.top + 0.5];
        for (const [i, box] of boxes.entries()) {
          const outer = box.getBoundingClientRect();
          boxes.slice(i + 1).forEach((other) => apart(outer, other.getBoundingClientRect()) || faults.push(`${box.dataset.id} over ${other.dataset.id}`));
          for (const control of box.querySelectorAll('[data-id], legend')) {
            if (!inside(control.getBoundingClientRect(), outer)) faults.push(`${control.dataset.id} outside ${box.dataset.id}`);
            const cut = control.scrollWidth > control.clientWidth + 1 || control.scrollHeight > control.clientHeight + 1;
            if (cut && !control.title && !control.matches('input, textarea')) faults.push(`${control.dataset.id ?? control.textContent} cut`);
          }
        }
        if (document.documentElement.scrollWidth > innerWidth) faults.push('wider than the screen');
        return faults;
      });
      assert.deepEqual(faults, [], `${name} at ${width} px`);
      const shown = shots && width > 320 && ['English', 'Deutsch', 'Polski', 'Türkçe', 'Español'].includes(name);
      if (shown) await page.screenshot({ path: path.join(shots, `web-${width}-${name}.png`), fullPage: true });
    }
    // The page's windows over it: on the screen, their parts inside them, no text cut.
    for (const open of [() => withReports(page, () => page.click(field(1085))), () => page.keyboard.press('F3')]) {
      await open();
      for (const width of [320, 390, 768, 1280, 1920]) {
        await page.setViewport({ width, height: 900 });
        const faults = await page.evaluate(async () => {
          await new Promise((resolve) => requestAnimationFrame(resolve));
          const window_ = document.querySelector('dialog.window[open]');
          const outer = window_.getBoundingClientRect();
          const faults = outer.left < 0 || outer.right > innerWidth || outer.bottom > innerHeight ? [`${window_.id} off the screen`] : [];
          for (const part of window_.querySelectorAll('h2, button, label, #targets-count, #curve-chart svg, #curve-readout, .scroll')) {
            if (part.closest('table, [hidden]')) continue; // the tables scroll
            const inner = part.getBoundingClientRect();
            if (inner.left < outer.left - 0.5 || inner.right > outer.right + 0.5) faults.push(`${part.textContent} outside`);
            if (!part.matches('.scroll') && part.scrollWidth > part.clientWidth + 1) faults.push(`${part.textContent} cut`);
          }
          return faults;
        });
        assert.deepEqual(faults, [], `${name} at ${width} px`);
      }
      await page.keyboard.press('Escape');
    }
  }
}));

// The browser's own profile: a private context is never installable.
test('installable, and offline after one visit', async () => {
  const page = await open(browser.defaultBrowserContext());
  const session = await page.createCDPSession();
  assert.deepEqual((await session.send('Page.getAppManifest')).errors, []);
  await page.waitForFunction(
    async () => (await Promise.all((await caches.keys()).map(async (name) => (await (await caches.open(name)).keys()).length))).some((count) => count >= 13),
    { polling: 100, timeout: 10000 },
  );
  assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForSelector('body[data-ready]');
  await type(page, { 1001: '100', 1012: '10' });
  await page.click(field(1029));
  assert.equal(await text(page, 1060), '100');
  await page.close();
});
