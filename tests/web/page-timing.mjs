// Timed run of the page in headless Chromium (not a test: it prints figures, asserts nothing).
//   node tests/web/page-timing.mjs        (VORTHMERE_PAGE names another page)
// Prints the page's size, the time from navigation to the first play drawn, the replay time of
// the built-in session, the time to draw every view for one frame, and a live drive's frame
// time (the module's step and the draw).
import {statSync} from 'node:fs';
import {launchBrowser, pagePath, pageUrl, waitUntil} from './browser.mjs';

const runs = Number(process.env.VORTHMERE_TIMING_RUNS || 5);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The moment window.vorthmere.ready settles, on the page's own clock (0 = navigation start).
function recordFirstFrame() {
    let held;
    Object.defineProperty(window, 'vorthmere', {
        configurable: true,
        get: () => held,
        set: (value) => {
            held = value;
            value.ready.then(() => { window.firstFrameAt = performance.now(); });
        },
    });
}

async function firstFrameTime(context) {
    const page = await context.newPage();
    await page.addInitScript(recordFirstFrame);
    await page.goto(pageUrl);
    await waitUntil(page, () => window.firstFrameAt !== undefined);
    const at = await page.evaluate(() => {
        const mark = (name) => performance.getEntriesByName(`vorthmere:${name}`)[0]?.startTime;
        const navigation = performance.getEntriesByType('navigation')[0];
        return {ready: window.firstFrameAt, parsed: navigation.domInteractive, unpacked: mark('unpacked'),
                compiled: mark('compiled'), played: mark('played'), drawn: mark('drawn')};
    });
    await page.close();
    return at;
}

// Replays of the built-in session, then a draw of every view at each frame, timed in the page.
async function replayAndDrawTimes(context) {
    const page = await context.newPage();
    await page.goto(pageUrl);
    const times = await page.evaluate(async (count) => {
        await window.vorthmere.ready;
        const replays = [];
        for (let i = 0; i < count; i++) {
            const start = performance.now();
            await window.vorthmere.play({});
            replays.push(performance.now() - start);
        }
        const frames = window.vorthmere.frames().length, start = performance.now();
        for (let n = 0; n < frames; n++) window.vorthmere.seek(n);
        return {replays, draw: (performance.now() - start) / frames, frames};
    }, runs);
    await page.close();
    return times;
}

// A live drive of some seconds with the camera on and the view turning: each frame's time from
// reading the inputs to the views drawn, as the page measures it.
async function liveFrameTimes(context) {
    const page = await context.newPage();
    await page.goto(`${pageUrl}#live`);
    await page.evaluate(() => window.vorthmere.ready);
    const hold = async (keys, ms) => {
        for (const key of keys) await page.keyboard.down(key);
        await page.waitForTimeout(ms);
        for (const key of keys.reverse()) await page.keyboard.up(key);
    };
    await hold(['Control', 'z'], 200);
    await hold(['ArrowRight', 'w'], 3000);
    const timings = await page.evaluate(() => window.vorthmere.liveTimings());
    await page.close();
    return timings;
}

const browser = await launchBrowser();
const starts = [];
for (let i = 0; i < runs; i++) starts.push(await firstFrameTime(browser.context));
const firsts = starts.map((s) => s.ready);
const step = (name) => median(starts.map((s) => s[name])).toFixed(0);
const {replays, draw, frames} = await replayAndDrawTimes(browser.context);
const live = await liveFrameTimes(browser.context);
await browser.close();
const size = statSync(pagePath).size;
console.log(`page:        ${pagePath}`);
console.log(`size:        ${size} bytes (${(size / 1048576).toFixed(2)} MiB)`);
const each = firsts.map((t) => t.toFixed(0)).join(', ');
console.log(`first frame: ${median(firsts).toFixed(0)} ms from navigation (median of ${runs}; ${each})`);
console.log(`             the page parsed at ${step('parsed')} ms, the module unpacked at` +
            ` ${step('unpacked')}, compiled at ${step('compiled')}, played at ${step('played')},` +
            ` drawn at ${step('drawn')} (medians)`);
console.log(`replay:      ${median(replays).toFixed(1)} ms for the built-in session (median of ${runs})`);
console.log(`draw:        ${draw.toFixed(2)} ms a frame, every view and the readout` +
            ` (mean over ${frames} frames)`);
const sortedLive = live.slice().sort((a, b) => a - b);
const percentile95 = sortedLive[Math.floor(live.length * 0.95)];
console.log(`live frame:  ${median(live).toFixed(2)} ms median, ${percentile95.toFixed(2)}` +
            ` ms at the 95th percentile (module step and draw, over ${live.length} frames)`);
