// Development only: joins the page's modules with a chosen player into one HTML file, as the
// project's bundler does, so the page can be tried before the module exists.
//   node tests/web/dev_page.mjs OUT.html [PLAYER.mjs]
import {readFileSync, writeFileSync, readdirSync} from 'node:fs';
import {join, resolve, basename} from 'node:path';

const pageDir = resolve(new URL('../../tools/web/page', import.meta.url).pathname);
const [out, player = new URL('mock_player.mjs', import.meta.url).pathname] = process.argv.slice(2);

const sources = {'player.mjs': readFileSync(player, 'utf8')};
for (const name of readdirSync(pageDir).filter((n) => n.endsWith('.mjs'))) sources[name] = readFileSync(join(pageDir, name), 'utf8');

const imports = (text) => [...text.matchAll(/^import \{[^}]*\} from '\.\/([^']+)';$/gm)].map((m) => basename(m[1]));
const order = [];
const visit = (name) => {
    if (order.includes(name)) return;
    imports(sources[name]).forEach(visit);
    order.push(name);
};
visit('page.mjs');
const script = order.map((name) => sources[name].replace(/^import .*$/gm, '').replace(/^export /gm, '')).join('\n');
const html = readFileSync(join(pageDir, 'template.html'), 'utf8')
    .replace('</head>', `<style>\n${readFileSync(join(pageDir, 'style.css'), 'utf8')}</style>\n</head>`)
    .replace('</body>', `<script type="application/octet-stream" id="vorthmere-module">AGFzbQEAAAA=</script>\n<script>\n${script}</script>\n</body>`);
writeFileSync(out, html);
