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
