#!/usr/bin/env node
// Makes the page one self-contained file: the template's style sheets and its module script
// inline, the page's ES modules joined into that one script, the WebAssembly module packed
// inside, and a Content-Security-Policy that allows those inline parts alone (by hash).
//   node bundle.mjs --module vorthmere.wasm --out vorthmere.html [--template page/page.html]
// Modules may use only `import {a, b as c} from './x.mjs';` and `export function|const|let|class`.
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));

function argument(name, fallback) {
  const i = process.argv.indexOf(name);
  if (i > 0 && process.argv[i + 1]) return process.argv[i + 1];
  if (fallback === undefined) throw new Error(`bundle.mjs: ${name} is required`);
  return fallback;
}

const importLine = /^import\s*\{([^}]*)\}\s*from\s*'([^']+)';?[ \t]*$/gm;
const exportDeclaration = /^export\s+(?:async\s+)?(?:function\*?|const|let|class)\s+([A-Za-z_$][\w$]*)/gm;

function readModule(file) {
  const text = fs.readFileSync(file, 'utf8');
  if (/^\s*export\s*(\{|default|\*)/m.test(text)) throw new Error(`${file}: only named declarations may be exported`);
  if (/^\s*import\s+(?!\{)/m.test(text)) throw new Error(`${file}: only named imports are joined`);
  const imports = [...text.matchAll(importLine)].map((m) => ({
    names: m[1].split(',').map((n) => n.trim()).filter(Boolean),
    from: path.resolve(path.dirname(file), m[2]),
  }));
  const exports = [...text.matchAll(exportDeclaration)].map((m) => m[1]);
  const body = text.replace(importLine, '').replace(/^export\s+/gm, '');
  return { file, imports, exports, body };
}

// Every module the entry reaches, each after the modules it imports.
function modulesInOrder(entry) {
  const ordered = [];
  const seen = new Set();
  const visit = (file) => {
    if (seen.has(file)) return;
    seen.add(file);
    const module = readModule(file);
    for (const { from } of module.imports) visit(from);
    ordered.push(module);
  };
  visit(entry);
  return ordered;
}

function joinModules(entry) {
  const modules = modulesInOrder(entry);
  const variable = new Map(modules.map((m, i) => [m.file, `vorthmereModule${i}`]));
  const bindings = (m) =>
    m.imports
      .map(({ names, from }) => {
        const list = names.map((n) => n.replace(/\s+as\s+/, ': ')).join(', ');
        return `const { ${list} } = ${variable.get(from)};`;
      })
      .join('\n');
  return modules
    .map((m, i) => {
      const name = path.relative(here, m.file);
      if (i === modules.length - 1) return `// ${name}\n${bindings(m)}\n${m.body}`;
      return `// ${name}\nconst ${variable.get(m.file)} = (() => {\n${bindings(m)}\n${m.body}\nreturn { ${m.exports.join(', ')} };\n})();`;
    })
    .join('\n');
}

const sha256 = (text) => `'sha256-${crypto.createHash('sha256').update(text, 'utf8').digest('base64')}'`;

function bundle() {
  const template = argument('--template', path.join(here, 'page', 'page.html'));
  const folder = path.dirname(template);
  let html = fs.readFileSync(template, 'utf8');
  const styles = [];
  html = html.replace(/<link rel="stylesheet" href="([^"]+)">/g, (_, href) => {
    const style = `\n${fs.readFileSync(path.join(folder, href), 'utf8')}`;
    styles.push(style);
    return `<style>${style}</style>`;
  });
  const entryTag = /<script type="module" src="([^"]+)"><\/script>/;
  const entry = entryTag.exec(html);
  if (!entry) throw new Error(`${template}: no <script type="module" src="..."> to bundle`);
  const script = `\n${joinModules(path.join(folder, entry[1]))}\n`;
  const wasm = zlib.gzipSync(fs.readFileSync(argument('--module')), { level: 9 }).toString('base64');
  const policy = [
    "default-src 'none'",
    `script-src ${sha256(script)} 'wasm-unsafe-eval'`,
    `style-src ${styles.map(sha256).join(' ') || "'none'"}`,
    'img-src data: blob:',
    'connect-src data: blob:',
    "base-uri 'none'",
    "form-action 'none'",
  ].join('; ');
  html = html.replace(/<head>/, `<head>\n<meta http-equiv="Content-Security-Policy" content="${policy}">`);
  const packed =
    `<script id="vorthmere-module" type="application/octet-stream">${wasm}</script>\n` +
    `<script id="vorthmere-preload" type="application/json">{}</script>\n` +
    `<script type="module">${script}</script>`;
  html = html.replace(entryTag, () => packed);
  fs.writeFileSync(argument('--out'), html);
}

bundle();
