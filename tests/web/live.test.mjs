// Live mode in Chromium, driven by the keyboard, the settings editor and a controller as a
// person drives it; each drive's saved session, played by the Linux simulator, must give the
// page's rows exactly.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {launchBrowser, openPage, waitUntil, waitFrames, holdKeys, driveRows, screenshotDir}
    from './browser.mjs';
import {mkdirSync} from 'node:fs';
import {join} from 'node:path';
import {linuxPlay, scratchFile} from './linux_sim.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => browser.close());

const column = {mode: 2, heading: 8, fov: 9};
const field = (row, name) => row.split(',')[column[name]];
const lastRow = async (page) => (await driveRows(page)).at(-1);
const log = (page) => page.evaluate(() => window.vorthmere.log());

// Stops the drive and plays its recording natively: the rows must be the page's, exactly.
async function stopAndReplay(page, what) {
    const text = await page.evaluate(() => window.vorthmere.stop());
    assert.equal(await page.evaluate(() => window.vorthmere.recording()), text, `${what}: recording()`);
    const rows = await driveRows(page);
    const linux = linuxPlay({sessionPath: scratchFile(`${what.replace(/\W+/g, '-')}.toml`, text)});
    assert.equal(linux.status, 0, `${what}: ${linux.summary}`);
    assert.deepEqual(rows, linux.rows, `${what}: the Linux rows of the saved session`);
    return rows;
}

test('a keyboard drive switches the camera as in the game and replays natively', async () => {
    const {page, problems} = await openPage(browser.context, {hash: '#live'});
    await waitFrames(page, 5);
    assert.equal(field(await lastRow(page), 'mode'), 'off');
    await holdKeys(page, ['Control', 'z']);
    await waitUntil(page, () => window.vorthmere.log().includes('Camera on: the enable combination'));
    assert.equal(field(await lastRow(page), 'mode'), 'on');
    const before = Number(field(await lastRow(page), 'heading'));
    await holdKeys(page, ['ArrowRight'], 20);
    const turned = Number(field(await lastRow(page), 'heading'));
    assert.ok(Math.abs(turned - before) > 1, `the right arrow turns the view (${before} to ${turned})`);
    await holdKeys(page, ['q'], 10);
    const labels = (await driveRows(page)).join('\n');
    assert.match(labels, /look-behind held/);
    assert.match(labels, /look-behind released/);
    await holdKeys(page, ['Control', 'g']);
    await waitUntil(page, () => window.vorthmere.log().includes('Camera off: the disable combination'));
    assert.equal(field(await lastRow(page), 'mode'), 'off');
    const rows = await stopAndReplay(page, 'keyboard drive');
    assert.ok(rows.some((r) => field(r, 'mode') === 'on'));
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-drive')]);
    const saved = Buffer.concat(await (await download.createReadStream()).toArray()).toString('utf8');
    const recording = await page.evaluate(() => window.vorthmere.recording());
    assert.equal(saved, recording, 'Save session writes the recording');
    // After stop the drive is a play: seek and the readout work on it.
    assert.equal(await page.evaluate((n) => window.vorthmere.seek(n), 3), 3);
    assert.equal(await page.evaluate(() => document.getElementById('row').textContent), rows[3]);
    assert.deepEqual(problems, []);
});

test('a settings file edited during a drive applies at the next Ctrl+Z', async () => {
    const {page, problems} = await openPage(browser.context, {hash: '#live'});
    await holdKeys(page, ['Control', 'z']);
    await waitUntil(page, () => window.vorthmere.log().includes('Camera on'));
    const fovBefore = Number(field(await lastRow(page), 'fov'));
    const reportBefore = await page.evaluate(() => window.vorthmere.report());
    await page.locator('#ini-text').fill('[Config]\ndefault_fov = 70\n');
    await waitUntil(page, (r) => window.vorthmere.report() !== r, reportBefore);
    assert.match(await page.evaluate(() => window.vorthmere.report()), /default_fov\s+70/);
    await page.locator('#eye-view').click(); // back from the editor, so the keys are the drive's
    await waitFrames(page, 10);
    assert.equal(Number(field(await lastRow(page), 'fov')), fovBefore, 'the file is not read while on');
    await holdKeys(page, ['Control', 'g']);
    await holdKeys(page, ['Control', 'z']);
    await waitFrames(page, 5);
    assert.equal(Number(field(await lastRow(page), 'fov')), 70);
    assert.match(await log(page), /default_fov/);
    await stopAndReplay(page, 'settings drive');
    assert.deepEqual(problems, []);
});

test('the mouse steers the look once the camera eye holds the pointer', async () => {
    const {page, problems} = await openPage(browser.context, {hash: '#live'});
    await holdKeys(page, ['Control', 'z']);
    await waitUntil(page, () => window.vorthmere.log().includes('Camera on'));
    await page.locator('#eye-view').click();
    await waitUntil(page, () => document.pointerLockElement?.id === 'eye-view');
    const before = Number(field(await lastRow(page), 'heading'));
    for (let x = 0; x < 10; x++) {
        await page.mouse.move(500 + 20 * x, 300);
        await waitFrames(page, 1);
    }
    const after = Number(field(await lastRow(page), 'heading'));
    assert.ok(Math.abs(after - before) > 1, `the mouse turns the view (${before} to ${after})`);
    await stopAndReplay(page, 'mouse drive');
    assert.deepEqual(problems, []);
});

// A controller whose right stick is pushed right, from the start.
function injectPad() {
    const pad = {connected: true, index: 0, id: 'synthetic', mapping: 'standard',
        axes: [0, 0, 1, 0], buttons: Array.from({length: 17}, () => ({pressed: false, value: 0}))};
    navigator.getGamepads = () => [pad];
}

test('a controller\'s right stick steers the look', async () => {
    const beforeLoad = (p) => p.addInitScript(injectPad);
    const {page, problems} = await openPage(browser.context, {hash: '#live', beforeLoad});
    await holdKeys(page, ['Control', 'z']);
    await waitUntil(page, () => window.vorthmere.log().includes('Camera on'));
    const before = Number(field(await lastRow(page), 'heading'));
    await waitFrames(page, 20);
    const after = Number(field(await lastRow(page), 'heading'));
    assert.ok(Math.abs(after - before) > 1, `the stick turns the view (${before} to ${after})`);
    mkdirSync(screenshotDir, {recursive: true});
    await page.locator('#pad-view').screenshot({path: join(screenshotDir, 'pad-view.png')});
    const rows = await stopAndReplay(page, 'controller drive');
    assert.match(rows.join('\n'), /look 1 0/);
    assert.deepEqual(problems, []);
});
