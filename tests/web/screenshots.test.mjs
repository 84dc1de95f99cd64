// Every view drawn, and written as a picture for a person to look at (build/web/screenshots/).
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {mkdirSync} from 'node:fs';
import {join} from 'node:path';
import {launchBrowser, openPage, screenshotDir} from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => browser.close());

// The distinct colours on a canvas: a view that drew nothing has one.
const colourCount = (page, id) => page.evaluate((i) => {
    // Read from a copy, so the view's own canvas stays as the page made it.
    const canvas = document.getElementById(i), copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d', {willReadFrequently: true});
    context.drawImage(canvas, 0, 0);
    const data = context.getImageData(0, 0, copy.width, copy.height).data;
    const colours = new Set();
    for (let k = 0; k < data.length; k += 4 * 7)
        colours.add((data[k] << 16) | (data[k + 1] << 8) | data[k + 2]);
    return colours.size;
}, id);

test('each view draws at a frame with the lock held, on a horse, and at the pitch limits', async () => {
    mkdirSync(screenshotDir, {recursive: true});
    const {page, problems} = await openPage(browser.context);
    const moments = await page.evaluate(() => {
        const frames = window.vorthmere.frames();
        const first = (test) => frames.find(test).frame;
        return {
            locked: first((f) => f.locked) + 20, horse: first((f) => f.carried !== 'none') + 90,
            up: first((f) => f.cam.pitch >= 89.9), down: first((f) => f.cam.pitch <= -89.9),
            off: first((f) => f.scope && !f.on),
        };
    });
    for (const [moment, frame] of Object.entries(moments)) {
        await page.evaluate((n) => window.vorthmere.seek(n), frame);
        for (const view of ['map', 'eye', 'side', 'timeline']) {
            const colours = await colourCount(page, `${view}-view`);
            assert.ok(colours > 4, `${view} drawn at ${moment} (frame ${frame})`);
            const path = join(screenshotDir, `${moment}-${view}.png`);
            await page.locator(`#${view}-view`).screenshot({path});
        }
    }
    await page.evaluate((n) => window.vorthmere.seek(n), moments.locked);
    await page.screenshot({path: join(screenshotDir, 'page.png'), fullPage: true});
    assert.deepEqual(problems, []);
    await page.close();
});
