// serve.js: serves a folder on 127.0.0.1, as a static web host would, for the browser build's
// tests and `scripts/web.sh --serve`. Files are sent with their size and a validator, so a
// browser keeps them and asks again only whether they changed (a second visit loads from its
// cache).
//   node tests/web/serve.js FOLDER [PORT]     prints the address, serves until stopped
"use strict";
const http = require("http");
const fs = require("fs");
const path = require("path");

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".data": "application/octet-stream",
  ".png": "image/png",
};

// onSent(name, bytes), when given, hears of every file body sent (a test counts downloads).
function serve(root, port, onSent) {
  root = path.resolve(root);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname);
    let file = path.join(root, name.endsWith("/") ? name + "index.html" : name);
    if (!file.startsWith(root + path.sep)) file = "";
    fs.stat(file, (error, info) => {
      if (error || !info.isFile()) {
        response.writeHead(404, { "Content-Type": "text/plain" });
        response.end("not found\n");
        return;
      }
      const tag = '"' + info.size.toString(16) + "-" + Math.floor(info.mtimeMs).toString(16) + '"';
      const headers = {
        "Content-Type": types[path.extname(file)] || "application/octet-stream",
        "Last-Modified": info.mtime.toUTCString(),
        ETag: tag,
        "Cache-Control": "no-cache",
      };
      if (request.headers["if-none-match"] === tag) {
        response.writeHead(304, headers);
        response.end();
        return;
      }
      headers["Content-Length"] = info.size;
      response.writeHead(200, headers);
      if (request.method === "HEAD") {
        response.end();
        return;
      }
      if (onSent) onSent(name, info.size);
      fs.createReadStream(file).pipe(response);
    });
  });
  return new Promise((resolve) =>
    server.listen(port || 0, "127.0.0.1", () => resolve({ server, url: "http://127.0.0.1:" + server.address().port + "/" }))
  );
}

module.exports = { serve };

if (require.main === module) {
  const root = process.argv[2] || "build-web/site";
  serve(root, Number(process.argv[3]) || 8080).then(({ url }) => {
    console.log("Vantara is served at " + url + " (Ctrl+C stops)");
  });
}
