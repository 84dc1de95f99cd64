// Opens the page in Debian's Chromium, headless, with nothing downloaded and a fresh profile;
// records console errors and every request that is not file:, data: or blob:.
import {chromium} from 'playwright-core';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';

const root = resolve(new URL('../..', import.meta.url).pathname);
export const pagePath = process.env.VORTHMERE_PAGE || join(root, 'build/web/vorthmere.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const screenshotDir = process.env.VORTHMERE_SCREENSHOTS || join(root, 'build/web/screenshots');

const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// A browser of its own for one test file; close() also removes its profile.
export async function launchBrowser() {
    const profile = mkdtempSync(join(tmpdir(), 'vorthmere-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args: chromiumFlags,
        viewport: {width: 1400, height: 1000},
    });
    const close = async () => {
        await context.close();
        rmSync(profile, {recursive: true, force: true});
    };
    return {context, close};
}

// A new tab on the page (at `hash`, e.g. '#frame=40'), its first play drawn. `problems` collects
// console errors, page errors and foreign requests.
export async function openPage(context, {hash = '', beforeLoad} = {}) {
    const page = await context.newPage();
    const problems = [];
    page.on('console', (m) => {
        if (m.type() === 'error' || m.type() === 'warning') problems.push(`console ${m.type()}: ${m.text()}`);
    });
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    page.on('request', (r) => {
        if (!/^(file|data|blob):/.test(r.url())) problems.push(`request: ${r.url()}`);
    });
    if (beforeLoad) await beforeLoad(page);
    await page.goto(pageUrl + hash);
    await page.evaluate(() => window.vorthmere.ready);
    return {page, problems};
}

export const readText = (page, id) => page.evaluate((i) => document.getElementById(i).textContent, id);

// Waits until fn(arg) is true in the page. Playwright's waitForFunction evaluates a string, which
// the page's Content-Security-Policy forbids; evaluate does not.
export async function waitUntil(page, fn, arg, timeout = 10000) {
    const end = Date.now() + timeout;
    while (!(await page.evaluate(fn, arg))) {
        if (Date.now() > end) throw new Error(`timed out waiting for ${fn}`);
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}

// The number of frames a live drive has played so far.
export const driveLength = (page) => page.evaluate(() => window.vorthmere.frames().length);

// Waits until the drive has played `count` more frames.
export async function waitFrames(page, count) {
    const target = (await driveLength(page)) + count;
    await waitUntil(page, (n) => window.vorthmere.frames().length >= n, target);
}

// Keys held down together for some frames, then released in the reverse order, as a person
// presses a combination.
export async function holdKeys(page, keys, frames = 6) {
    for (const key of keys) await page.keyboard.down(key);
    await waitFrames(page, frames);
    for (const key of [...keys].reverse()) await page.keyboard.up(key);
    await waitFrames(page, 2);
}

// The drive's rows, frame by frame, as row(n) gives them.
export const driveRows = (page) =>
    page.evaluate(() => window.vorthmere.frames().map((f) => window.vorthmere.row(f.frame)));
