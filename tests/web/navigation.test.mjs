// The page in Chromium: its first play, the rows it shows wherever the cursor is taken, the
// keys, scrubbing, the address and playback under a driven clock.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {launchBrowser, openPage, readText, waitUntil} from './browser.mjs';
import {linuxPlay, eventFrames} from './linux_sim.mjs';

let browser, linux, events;
before(async () => {
    browser = await launchBrowser();
    linux = linuxPlay();
    events = eventFrames(linux.rows);
});
after(() => browser.close());

const cursor = (page) => page.evaluate(() => window.vorthmere.cursor());

// At the cursor, the script interface and the readout both give the Linux row of that frame.
async function assertRowAt(page, frame, how) {
    assert.equal(await cursor(page), frame, `${how}: cursor`);
    const row = await page.evaluate((n) => window.vorthmere.row(n), frame);
    assert.equal(row, linux.rows[frame], `${how}: row(${frame})`);
    assert.equal(await readText(page, 'row'), linux.rows[frame], `${how}: readout at ${frame}`);
}

test('the built-in session plays at once, with no console error and no request beyond the file', async () => {
    const {page, problems} = await openPage(browser.context);
    assert.equal(await page.evaluate(() => window.vorthmere.frames().length), linux.rows.length);
    assert.equal(await readText(page, 'summary'), linux.summary);
    assert.equal(await readText(page, 'csv-header'), linux.header);
    assert.notEqual(await readText(page, 'calls'), '', 'the native calls of frame 0');
    await page.keyboard.press('End');
    await page.click('#play-button');
    await page.click('#play-button');
    assert.deepEqual(problems, []);
    await page.close();
});

test('the scrubber reaches the first, last and every event frame with the Linux row', async () => {
    const {page} = await openPage(browser.context);
    assert.ok(events.length > 10, 'the built-in session has its events');
    for (const frame of [0, linux.rows.length - 1, ...events]) {
        await page.locator('#scrubber').fill(String(frame));
        await assertRowAt(page, frame, 'scrubber');
    }
    await page.close();
});

test('[ and ] visit every event frame in order, Home and End the ends', async () => {
    const {page} = await openPage(browser.context);
    await page.keyboard.press('End');
    await assertRowAt(page, linux.rows.length - 1, 'End');
    await page.keyboard.press('Home');
    await assertRowAt(page, 0, 'Home');
    // Frame 0 holds an event itself, so ] starts from the second one.
    const forward = events.filter((f) => f > 0);
    for (const frame of forward) {
        await page.keyboard.press(']');
        await assertRowAt(page, frame, ']');
    }
    await page.keyboard.press(']');
    assert.equal(await cursor(page), forward.at(-1), '] after the last event stays');
    for (const frame of events.slice(0, -1).reverse()) {
        await page.keyboard.press('[');
        assert.equal(await cursor(page), frame, '[');
    }
    await page.close();
});

test('the arrows step one frame, with Shift ten, and stop at the ends; the address follows', async () => {
    const {page} = await openPage(browser.context, {hash: '#frame=100'});
    const last = linux.rows.length - 1;
    // key, frame after it
    const rows = [
        ['ArrowRight', 101], ['Shift+ArrowRight', 111], ['ArrowLeft', 110], ['Shift+ArrowLeft', 100],
        ['Home', 0], ['ArrowLeft', 0], ['Shift+ArrowLeft', 0], ['Shift+ArrowRight', 10],
        ['End', last], ['ArrowRight', last], ['Shift+ArrowLeft', last - 10], ['Shift+ArrowRight', last],
    ];
    for (const [key, frame] of rows) {
        await page.keyboard.press(key);
        assert.equal(await cursor(page), frame, key);
        assert.equal(await page.evaluate(() => location.hash), `#frame=${frame}`, `address after ${key}`);
    }
    await page.focus('#session-text');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await cursor(page), last, 'keys typed into an editor stay there');
    await page.close();
});

test('#frame=N opens at frame N, and a changed address moves the cursor', async () => {
    for (const frame of [0, linux.rows.length - 1, events[3]]) {
        const {page} = await openPage(browser.context, {hash: `#frame=${frame}`});
        await assertRowAt(page, frame, `#frame=${frame}`);
        await page.close();
    }
    const {page} = await openPage(browser.context);
    for (const frame of events) {
        await page.evaluate((n) => { location.hash = `#frame=${n}`; }, frame);
        await waitUntil(page, (n) => window.vorthmere.cursor() === n, frame);
        await assertRowAt(page, frame, 'hashchange');
    }
    await page.close();
});

test('scrubbing, the keys and seek pause playback', async () => {
    const {page} = await openPage(browser.context);
    const box = await page.locator('#timeline-view').boundingBox();
    const playing = () => readText(page, 'play-button').then((t) => t === 'Pause');
    const pausers = [
        ['a click on the timeline', () => page.mouse.click(box.x + box.width / 2, box.y + box.height / 2)],
        ['the scrubber', () => page.locator('#scrubber').fill('300')],
        ['a key', () => page.keyboard.press('ArrowRight')],
        ['seek', () => page.evaluate(() => window.vorthmere.seek(42))],
    ];
    for (const [what, pause] of pausers) {
        await page.keyboard.press('Home');
        await page.click('#play-button');
        await waitUntil(page, () => window.vorthmere.cursor() > 5);
        assert.ok(await playing(), `playing before ${what}`);
        await pause();
        assert.ok(!(await playing()), `${what} pauses`);
        const at = await cursor(page);
        await page.waitForTimeout(100);
        assert.equal(await cursor(page), at, `the cursor stays after ${what}`);
    }
    assert.equal(await cursor(page), 42);
    await page.close();
});

test('at 2x for one second of the page clock, playback moves 120 frames', async () => {
    const {page} = await openPage(browser.context, {beforeLoad: (p) => p.clock.install()});
    await page.clock.pauseAt(Date.now() + 60000);
    await page.selectOption('#speed', '2');
    await page.keyboard.press('Home');
    await page.click('#play-button');
    await page.clock.runFor(1000);
    const moved = await cursor(page);
    assert.ok(Math.abs(moved - 120) <= 1, `moved ${moved} frames`);
    await page.close();
});
