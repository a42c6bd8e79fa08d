// benchmark.js: the browser build's speed in headless Chromium; prints numbers, judges nothing.
//
//   node tests/web/benchmark.js [SITE] [SECONDS]     (SITE: build-web/site, SECONDS: 5)
//
// Time from navigation to the first splash frame; then on the menu and in Level 1 the game
// frames a second and the main thread's time per frame (mean and 95th percentile), measured
// over SECONDS each. Chromium draws with SwiftShader here (no GPU), at 1280 x 720.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");
const { serve } = require("./serve.js");

const site = process.argv[2] || "build-web/site";
const seconds = Number(process.argv[3]) || 5;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function main() {
  const { server, url } = await serve(site, 0);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vantara-bench-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    userDataDir: profile,
    defaultViewport: { width: 1280, height: 720 },
    args: ["--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader",
           "--use-angle=swiftshader", "--disable-gpu-sandbox", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  const page = await browser.newPage();
  const poll = (fn) => page.waitForFunction(fn, { polling: 100, timeout: 300000 });
  await page.goto(url);
  await poll(() => window.vantara && window.vantara.frames > 0);
  const first = await page.evaluate(() => window.vantara.firstFrame);
  console.log("navigation to the first splash frame: " + first.toFixed(0) + " ms");

  const measure = async (name) => {
    const before = await page.evaluate(() => [window.vantara.frames, performance.now()]);
    await sleep(seconds * 1000);
    const [frames, now, times] = await page.evaluate(() =>
      [window.vantara.frames, performance.now(), window.vantara.frameTimes.slice()]);
    const count = frames - before[0];
    const recent = times.slice(-Math.min(count, times.length)).sort((a, b) => a - b);
    const mean = recent.reduce((a, b) => a + b, 0) / Math.max(1, recent.length);
    const p95 = recent[Math.floor(0.95 * (recent.length - 1))] || 0;
    console.log(name + ": " + ((1000 * count) / (now - before[1])).toFixed(1) +
                " frames/s, main thread " + mean.toFixed(2) + " ms/frame (p95 " +
                p95.toFixed(2) + " ms)");
  };
  for (let logo = 0; logo < 2; logo++) {
    await page.keyboard.press("Space");
    await sleep(500);
  }
  await sleep(2000);
  await measure("menu");
  // The menu's focus is on Play: the first Enter shows it, the second presses it.
  await page.keyboard.press("Enter");
  await sleep(500);
  await page.keyboard.press("Enter");
  await poll(() => window.vantara.state() === 7);
  await sleep(2000);
  await measure("Level 1");
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}

main().catch((error) => {
  console.error("benchmark: " + error.message);
  process.exit(1);
});
