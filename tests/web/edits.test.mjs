// The page's editors in Chromium: settings files and sessions it has never seen, played as the
// Linux simulator plays them, and a session that cannot be used.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {launchBrowser, openPage, readText, waitUntil, pagePath} from './browser.mjs';
import {readFileSync} from 'node:fs';
import {pathToFileURL} from 'node:url';
import {linuxPlay, linuxCheckIni, linuxRefusal, linuxBuiltinSession, scratchFile} from './linux_sim.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => browser.close());

const pageRows = (page) =>
    page.evaluate(() => window.vorthmere.frames().map((f) => window.vorthmere.row(f.frame)));

// The report names the file it read; the page's is Vorthmere.ini in the module's folder.
const reportBody = (report) => report.split('\n').slice(1).join('\n');

// Typing into an editor replays once the typing stops; waits for the report to change.
async function typeInto(page, id, text) {
    const before = await page.evaluate(() => window.vorthmere.report());
    await page.locator(`#${id}`).fill(text);
    await waitUntil(page, (b) => window.vorthmere.report() !== b, before);
}

// A file dropped onto the element, as a file manager drops one.
async function dropFile(page, selector, name, text) {
    const transfer = await page.evaluateHandle(([n, t]) => {
        const data = new DataTransfer();
        data.items.add(new File([t], n, {type: 'text/plain'}));
        return data;
    }, [name, text]);
    await page.dispatchEvent(selector, 'drop', {dataTransfer: transfer});
}

const settingsFiles = [
    ['a wider default_fov', '[Config]\ndefault_fov = 70\n'],
    ['faults the report names',
     '[Config]\ndefault_fov = wide\nsensitivity_x = 5,5\nenable_key2 = Zz\nlong_fov = 30\n'],
];

test('a settings file typed in changes the report and the rows as the Linux simulator does', async () => {
    const {page, problems} = await openPage(browser.context);
    const builtinRows = await pageRows(page);
    for (const [what, ini] of settingsFiles) {
        const iniPath = scratchFile('Vorthmere.ini', ini);
        await typeInto(page, 'ini-text', ini);
        const expected = reportBody(linuxCheckIni(iniPath));
        const report = await page.evaluate(() => window.vorthmere.report());
        assert.equal(reportBody(report), expected, `${what}: report()`);
        assert.equal(reportBody(await readText(page, 'report')), expected, `${what}: the report shown`);
        const linux = linuxPlay({iniPath});
        const rows = await pageRows(page);
        assert.deepEqual(rows, linux.rows, `${what}: rows`);
        assert.notDeepEqual(rows, builtinRows, `${what}: the rows changed`);
        const log = await page.evaluate(() => window.vorthmere.log());
        assert.match(log, /Settings: /, `${what}: the log holds the report`);
    }
    assert.deepEqual(problems, []);
    await page.close();
});

test('a broken session shows the simulator\'s message with its line and keeps the last play', async () => {
    const {page} = await openPage(browser.context);
    const lines = linuxBuiltinSession().split('\n');
    const badLine = lines.findIndex((l) => l.includes('look right')) + 1;
    lines[badLine - 1] = lines[badLine - 1].replace('look =', 'lok =');
    const broken = lines.join('\n');
    const expected = linuxRefusal(scratchFile('broken.toml', broken));
    assert.equal(expected.status, 2);
    const kept = {
        rows: await pageRows(page), summary: await readText(page, 'summary'),
        report: await page.evaluate(() => window.vorthmere.report()),
    };
    await page.locator('#session-text').fill(broken);
    await page.waitForSelector('#errors:not([hidden])');
    const shown = (await readText(page, 'errors')).split('\n');
    // The same messages, each naming the line; only the file's name differs.
    const withoutFile = (m) => m.replace(/^[^:]*:/, '');
    assert.deepEqual(shown.map(withoutFile), expected.messages.map(withoutFile));
    assert.match(shown[0], new RegExp(`:${badLine}: `));
    assert.deepEqual(await pageRows(page), kept.rows, 'the last play stays');
    assert.equal(await readText(page, 'summary'), kept.summary);
    assert.equal(await page.evaluate(() => window.vorthmere.report()), kept.report);
    assert.equal(await page.locator('#session-text').inputValue(), broken, 'the broken text stays');
    const refusal = await page.evaluate(
        (s) => window.vorthmere.play({session: s}).then(() => 'resolved', (e) => e.message), broken);
    assert.deepEqual(refusal.split('\n').map(withoutFile), expected.messages.map(withoutFile),
                     'play() rejects with the messages');
    await page.close();
});

// A session written here, never seen by the page: turning, aiming, a lock, a wagon on a slope.
const newSession = `name = "written by the page's test"
duration = 4.0
events = [
  { time = 0.1, keys_down = ["Ctrl", "Z"], note = "on" },
  { time = 0.3, keys_up = ["Z", "Ctrl"] },
  { time = 0.5, look = [0.4, -0.2], walk = 2.0, turn = -20.0 },
  { frame = 70, look = [0.0, 0.0], weapon = "short", aim = true, note = "aim" },
  { time = 1.8, aim = false, target = true },
  { time = 2.4, target = false, carried = "B", slope = -4.0, distance = true, note = "wagon" },
  { time = 3.5, keys_down = ["Ctrl", "G"] },
]

[settings]
sensitivity_x = 3.0
short_fov = 40

[scene]
character = [5.0, -2.0, 1.0]
heading = 200.0
target = [10.0, 8.0, 1.5]
`;

test('every row of a session the page has never seen equals the Linux row', async () => {
    const sessionPath = scratchFile('new-session.toml', newSession);
    const linux = linuxPlay({sessionPath});
    const {page, problems} = await openPage(browser.context);
    await page.locator('#session-file').setInputFiles(sessionPath);
    await waitUntil(page, (n) => window.vorthmere.frames().length === n, linux.rows.length);
    assert.deepEqual(await pageRows(page), linux.rows, 'loaded by the file picker');
    assert.equal(await readText(page, 'summary'), linux.summary);
    await page.evaluate(() => window.vorthmere.play({}));
    assert.equal(await page.evaluate((s) => window.vorthmere.play({session: s}), newSession), linux.summary);
    assert.deepEqual(await pageRows(page), linux.rows, 'played by play()');
    assert.equal(await page.locator('#session-text').inputValue(), newSession);
    const ini = '[Config]\ndefault_fov = 60\n';
    const withIni = linuxPlay({sessionPath, iniPath: scratchFile('new.ini', ini)});
    await page.evaluate(([s, i]) => window.vorthmere.play({session: s, ini: i}), [newSession, ini]);
    assert.deepEqual(await pageRows(page), withIni.rows, 'with a settings file in place of [settings]');
    await page.evaluate(() => window.vorthmere.play({}));
    await page.locator('#session-text').fill(newSession);
    await waitUntil(page, (n) => window.vorthmere.frames().length === n, linux.rows.length);
    await dropFile(page, '#ini-text', 'Vorthmere.ini', ini);
    const changed = withIni.rows.find((r, i) => r !== linux.rows[i]);
    await waitUntil(page, (r) => window.vorthmere.row(r.split(',')[0]) === r, changed);
    assert.deepEqual(await pageRows(page), withIni.rows, 'typed session, dropped settings file');
    assert.deepEqual(problems, []);
    await page.close();
});

test('the downloads give the session, the settings file and the CSV as shown', async () => {
    const {page} = await openPage(browser.context);
    await page.evaluate((s) => window.vorthmere.play({session: s}), newSession);
    const linux = linuxPlay({sessionPath: scratchFile('new-session.toml', newSession)});
    const iniShown = await page.locator('#ini-text').inputValue();
    assert.match(iniShown, /sensitivity_x = 3\n/, 'the session\'s [settings] as its Vorthmere.ini');
    const expected = {
        'save-session': newSession, 'save-ini': iniShown,
        'save-csv': [linux.header, ...linux.rows].join('\n') + '\n',
    };
    for (const [link, text] of Object.entries(expected)) {
        const [download] = await Promise.all([page.waitForEvent('download'), page.click(`#${link}`)]);
        const chunks = await download.createReadStream().then((s) => s.toArray());
        assert.equal(Buffer.concat(chunks).toString(), text, link);
    }
    await page.close();
});

test('a page written with a session and a settings file opens on them', async () => {
    const ini = '[Config]\nlong_fov = 28\nsensitivity_y = 2\n';
    const sessionPath = scratchFile('new-session.toml', newSession);
    const linux = linuxPlay({sessionPath, iniPath: scratchFile('pre.ini', ini)});
    // The preload block as vorthmere-sim.mjs --html writes it: JSON, with no "<" to end the script.
    const json = JSON.stringify({session: newSession, ini}).replace(/</g, '\\u003c');
    const block = /(<script id="vorthmere-preload" type="application\/json">)\{\}/;
    const written = readFileSync(pagePath, 'utf8').replace(block, (_, tag) => tag + json);
    const preloaded = scratchFile('preloaded.html', written);
    const page = await browser.context.newPage();
    await page.goto(pathToFileURL(preloaded).href);
    await page.evaluate(() => window.vorthmere.ready);
    assert.deepEqual(await pageRows(page), linux.rows);
    assert.equal(await page.locator('#ini-text').inputValue(), ini);
    await page.close();
});
