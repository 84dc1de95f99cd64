#!/usr/bin/env node
// Makes the README's animated picture: the page playing the built-in session, from screenshots of
// its views in headless Chromium, joined into one animated PNG (APNG) with no other program.
//   node tools/web/record-animation.mjs [--page build/web/vorthmere.html] [--out docs/page-playing.png]
// Needs the web build and `npm ci` (playwright-core); CHROMIUM names the browser, /usr/bin/chromium
// by default.
import {chromium} from 'playwright-core';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

const root = path.resolve(new URL('../..', import.meta.url).pathname);
const argument = (name, fallback) => {
    const i = process.argv.indexOf(name);
    return i > 0 && process.argv[i + 1] ? process.argv[i + 1] : fallback;
};
const pagePath = path.resolve(argument('--page', path.join(root, 'build/web/vorthmere.html')));
const outPath = path.resolve(argument('--out', path.join(root, 'docs/page-playing.png')));
const frameStep = 40;        // session frames between pictures: two thirds of a second
const pictureDelayMs = 333;  // shown for this long each: the session at twice its real speed

const crcTable = Array.from({length: 256}, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});

function crc32(bytes) {
    let c = 0xffffffff;
    for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(data.length, 0);
    head.write(type, 4, 'ascii');
    const tail = Buffer.alloc(4);
    tail.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
    return Buffer.concat([head, data, tail]);
}

// A PNG's chunks as {type, data}, after its 8-byte signature.
function chunksOf(png) {
    const chunks = [];
    for (let at = 8; at < png.length;) {
        const length = png.readUInt32BE(at), type = png.toString('ascii', at + 4, at + 8);
        chunks.push({type, data: png.subarray(at + 8, at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

// Every picture must have the first one's header (size, depth, colour type).
function animatedPng(pngs) {
    const header = chunksOf(pngs[0]).find((c) => c.type === 'IHDR').data;
    const parts = [pngs[0].subarray(0, 8), chunk('IHDR', header)];
    const control = Buffer.alloc(8);
    control.writeUInt32BE(pngs.length, 0); // frames; 0 plays: for ever
    parts.push(chunk('acTL', control));
    let sequence = 0;
    pngs.forEach((png, i) => {
        const chunks = chunksOf(png);
        if (!chunks.find((c) => c.type === 'IHDR').data.equals(header)) throw new Error(`picture ${i} differs in size`);
        const frame = Buffer.alloc(26);
        frame.writeUInt32BE(sequence++, 0);
        frame.writeUInt32BE(header.readUInt32BE(0), 4);
        frame.writeUInt32BE(header.readUInt32BE(4), 8);
        frame.writeUInt16BE(pictureDelayMs, 20);
        frame.writeUInt16BE(1000, 22);
        parts.push(chunk('fcTL', frame));
        for (const c of chunks.filter((c) => c.type === 'IDAT')) {
            if (i === 0) {
                parts.push(chunk('IDAT', c.data));
                continue;
            }
            const number = Buffer.alloc(4);
            number.writeUInt32BE(sequence++, 0);
            parts.push(chunk('fdAT', Buffer.concat([number, c.data])));
        }
    });
    parts.push(chunk('IEND', Buffer.alloc(0)));
    return Buffer.concat(parts);
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorthmere-animation-'));
const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu'], viewport: {width: 1000, height: 700},
});
try {
    const page = await context.newPage();
    await page.goto(pathToFileURL(pagePath).href);
    await page.evaluate(() => window.vorthmere.ready);
    const frames = await page.evaluate(() => window.vorthmere.frames().length);
    const views = page.locator('section.views');
    const pngs = [];
    for (let n = 0; n < frames; n += frameStep) {
        await page.evaluate((f) => window.vorthmere.seek(f), n);
        pngs.push(await views.screenshot());
    }
    fs.writeFileSync(outPath, animatedPng(pngs));
    console.log(`${outPath}: ${pngs.length} pictures, ${fs.statSync(outPath).size} bytes`);
} finally {
    await context.close();
    fs.rmSync(profile, {recursive: true, force: true});
}
