// browser_test.js: the browser build in headless Chromium, as a player meets it.
//
//   node tests/web/browser_test.js SITE REFERENCES
//
// SITE is build-web/site; REFERENCES holds the desktop runner's pictures of the same frames,
// scaled to the page's 960 x 540 (splash.png, menu.png, level1.png; tests/web/run.sh makes
// them). The page runs in its frame-by-frame mode (?step), so each key reaches the same frame
// as in the runner's script, and the pictures can be compared. Everything waits by polling.
// Checks: the download (size, progress bar, a second visit from the cache); the splash, then
// the menu after a key; sound running after the first key, and a click sound after an ended one;
// Play, and Level 1's first frame; Escape pauses; Ctrl+Q ends on a page that offers to play
// again; a lowered music volume survives a reload; Tutorial 1 finished by its recorded keys.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const { execFileSync } = require("child_process");
const puppeteer = require("puppeteer-core");
const { serve } = require("./serve.js");

const [site, references] = process.argv.slice(2);
const WIDTH = 960, HEIGHT = 540;
const MAX_DOWNLOAD = 15e6;
const work = fs.mkdtempSync(path.join(os.tmpdir(), "vantara-web-"));
let passed = 0, failed = 0;

function check(ok, what) {
  if (ok) passed += 1;
  else failed += 1;
  console.log((ok ? "ok: " : "FAIL: ") + what);
  return ok;
}

// Pixels farther apart than a small colour distance, as a share of the picture: the two
// renderers (Mesa's and SwiftShader) filter textures a little differently at edges.
function differingShare(a, b) {
  let out = "";
  try {
    execFileSync("compare", ["-metric", "AE", "-fuzz", "12%", a, b, "null:"], { stdio: "pipe" });
    out = "0";
  } catch (error) {
    out = String(error.stderr || "");
  }
  return Number.parseFloat(out) / (WIDTH * HEIGHT);
}

async function main() {
  const sent = {};
  const { server, url } = await serve(site, 0, (file, bytes) => {
    sent[file] = (sent[file] || 0) + bytes;
  });
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    userDataDir: path.join(work, "profile"),
    defaultViewport: { width: WIDTH, height: HEIGHT },
    args: ["--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader",
           "--use-angle=swiftshader", "--disable-gpu-sandbox", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--autoplay-policy=user-gesture-required"],
  });
  const errors = [];
  const page = await browser.newPage();
  // Every key and pointer event is waited for until the page has it, so that it reaches the
  // frame it is meant for.
  let sentInputs = 0;
  const arrived = async (timeout = 30000) => {
    sentInputs += 1;
    await page.waitForFunction((n) => window.vantara.inputs >= n, { polling: 10, timeout },
                               sentInputs);
  };
  let pointer = null;
  const keyboard = {
    down: async (k) => { await page.keyboard.down(k); await arrived(); },
    up: async (k) => { await page.keyboard.up(k); await arrived(); },
  };
  const mouse = {
    // A move to where the pointer already is sends no event.
    move: async (x, y) => {
      if (pointer && pointer[0] === x && pointer[1] === y) return;
      await page.mouse.move(x, y);
      if (pointer) await arrived();
      else await arrived(2000).catch(() => (sentInputs -= 1));
      pointer = [x, y];
    },
    down: async () => { await page.mouse.down(); await arrived(); },
    up: async () => { await page.mouse.up(); await arrived(); },
  };
  page.on("pageerror", (e) => errors.push(e.message));
  // The progress bar's widths, as the page set them.
  await page.evaluateOnNewDocument(() => {
    window.progressSeen = [];
    new MutationObserver(() => {
      const fill = document.getElementById("fill");
      if (fill) window.progressSeen.push(fill.style.width);
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["style"] });
  });

  const poll = (fn, arg, timeout = 180000) =>
    page.waitForFunction(fn, { polling: 100, timeout }, arg);
  const frames = () => page.evaluate(() => window.vantara.frames);
  const state = () => page.evaluate(() => window.vantara.state());
  const step = async (n = 1) => {
    for (let i = 0; i < n; i++) await page.evaluate(() => window.vantara.step());
  };
  const shot = async (name) => {
    const file = path.join(work, name + ".png");
    await page.screenshot({ path: file });
    return file;
  };
  const loaded = async () => {
    await poll(() => window.vantara && window.vantara.frames >= 1 && window.Module &&
                     window.Module._VantaraCurrentState);
    sentInputs = await page.evaluate(() => window.vantara.inputs);
    pointer = null;
  };
  const open = async () => {
    await page.goto(url + "?step");
    await loaded();
  };

  // The first visit: everything comes over the wire, within the budget, with progress shown.
  await open();
  const firstVisit = Object.values(sent).reduce((a, b) => a + b, 0);
  console.log("download: " + (firstVisit / 1e6).toFixed(2) + " MB");
  check(firstVisit > 1e6 && firstVisit <= MAX_DOWNLOAD, "the page downloads at most 15 MB");
  const progress = await page.evaluate(() => window.progressSeen);
  check(progress.some((w) => parseFloat(w) > 0 && parseFloat(w) < 100) &&
        progress[progress.length - 1] === "100%", "the progress bar rises to full");
  check(await page.$eval("#loading", (e) => e.hidden), "the loading panel is gone once the game shows");

  // Frame 0 is the first splash logo, as the runner draws it.
  check(differingShare(await shot("splash"), path.join(references, "splash.png")) < 0.02,
        "the splash matches the desktop runner's first frame");
  const audioState = () => page.evaluate(() =>
    Object.values(AL.contexts).map((c) => c.audioCtx.state).join());

  // Two keys skip the two logos; frame 30 is the menu.
  await mouse.move(WIDTH / 2, HEIGHT / 2);
  for (let logo = 0; logo < 2; logo++) {
    await keyboard.down("Space");
    await step();
    await keyboard.up("Space");
    await step();
  }
  await step(30 - (await frames()) + 1);
  check(differingShare(await shot("menu"), path.join(references, "menu.png")) < 0.02,
        "after a key the menu shows, as the desktop runner draws it");
  await poll(() => Object.values(AL.contexts).every((c) => c.audioCtx.state === "running"),
             null, 30000).catch(() => {});
  check((await audioState()) === "running", "the first key starts the sound");

  // Hover clicks: one plays to its end, the next still plays. Each start of a voice is
  // counted inside the browser's OpenAL, whatever the time a frame takes here.
  await page.evaluate(() => {
    window.voiceStarts = 0;
    const setState = AL.setSourceState;
    AL.setSourceState = (source, state) => {
      if (state === 0x1012) window.voiceStarts += 1; // AL_PLAYING
      return setState(source, state);
    };
  });
  const starts = () => page.evaluate(() => window.voiceStarts);
  const hoverPlays = async (x, y) => {
    const before = await starts();
    await mouse.move(x, y);
    for (let i = 0; i < 10 && (await starts()) === before; i++) await step();
    return (await starts()) > before;
  };
  await step(5);
  check(await hoverPlays(690, 180), "hovering a button plays its click"); // Credits
  await step(90);
  const ended = await page.evaluate(() => Object.values(AL.currentCtx.sources).filter((s) => {
    AL.updateSourceTime(s);
    return s.state === 0x1014; // AL_STOPPED
  }).length);
  check(ended > 0 && (await hoverPlays(690, 306)), // Tutorial
        "a click after one that ended plays as well");
  await mouse.move(WIDTH / 2, HEIGHT / 2);
  await step(2);

  // Play, then Level 1's first frame.
  await mouse.move(292, 356);
  await step();
  await mouse.down();
  await step();
  await mouse.up();
  await mouse.move(WIDTH / 2, HEIGHT / 2);
  for (let i = 0; i < 600 && (await state()) !== 7; i++) await step();
  await step();
  const level = await shot("level1");
  check(differingShare(level, path.join(references, "level1.png")) < 0.03,
        "Play leads to Level 1, whose first frame matches the desktop runner's");

  // Escape pauses: the pause menu shows and nothing moves.
  await step(20);
  await keyboard.down("Escape");
  await step();
  await keyboard.up("Escape");
  await step(2);
  const paused = await shot("paused");
  await step(30);
  const stillPaused = await shot("paused-later");
  check(differingShare(paused, level) > 0.05 && differingShare(paused, stillPaused) === 0,
        "Escape pauses the level");

  // Ctrl+Q ends the game on a page that says so and offers to start again (in a running
  // level: a paused one takes no program keys).
  await keyboard.down("Escape");
  await step();
  await keyboard.up("Escape");
  await step(2);
  await keyboard.down("Control");
  await keyboard.down("KeyQ");
  await step();
  await keyboard.up("KeyQ");
  await keyboard.up("Control");
  await poll(() => window.vantara.ended !== null, null, 30000);
  check(await page.evaluate(() => window.vantara.ended === 0 &&
                            !document.getElementById("ended").hidden &&
                            /ended/.test(document.getElementById("ended-text").textContent) &&
                            !!document.getElementById("again")),
        "Ctrl+Q ends the game on a page offering to play again");

  // Play again: the second visit comes from the browser's cache.
  for (const key of Object.keys(sent)) delete sent[key];
  await Promise.all([page.waitForNavigation(), page.click("#again")]);
  await loaded();
  const big = (sent["/vantara.data"] || 0) + (sent["/vantara.wasm"] || 0);
  check(big === 0, "a second visit loads the game and its data from the browser's cache");

  // The settings window opens on the music's minus: Enter lowers the music, and the file is
  // kept in the browser's storage.
  for (let logo = 0; logo < 2; logo++) {
    await keyboard.down("Space");
    await step();
    await keyboard.up("Space");
    await step();
  }
  await step(30);
  await mouse.move(880, 68); // the gear
  await step();
  await mouse.down();
  await step();
  await mouse.up();
  await step(5);
  const writes = await page.evaluate(() => window.Module.keptWrites || 0);
  await keyboard.down("Enter");
  await step();
  await keyboard.up("Enter");
  await step(5);
  await poll((before) => (window.Module.keptWrites || 0) > before, writes, 30000).catch(() => {});
  const settings = "/kept/config/vantara/settings.ini";
  const volume = () => page.evaluate((file) => {
    try {
      const text = new TextDecoder().decode(window.Module.FS.readFile(file));
      const found = /music_volume\s*=\s*([0-9.]+)/.exec(text);
      return found ? Number(found[1]) : -1;
    } catch (e) {
      return -1;
    }
  }, settings);
  const lowered = await volume();
  check(lowered > 0 && lowered < 1, "the settings window's minus lowers the music (" + lowered + ")");
  await page.reload();
  await loaded();
  check((await volume()) === lowered, "the lowered music volume is there after a reload");

  // Tutorial 1, played into the page by key events, frame by frame as recorded.
  for (let logo = 0; logo < 2; logo++) {
    await keyboard.down("Space");
    await step();
    await keyboard.up("Space");
    await step();
  }
  await step(30);
  await mouse.move(690, 306); // Tutorial
  await step();
  await mouse.down();
  await step();
  await mouse.up();
  await mouse.move(WIDTH / 2, HEIGHT / 2);
  for (let i = 0; i < 600 && (await state()) !== 3; i++) await step();
  const script = fs.readFileSync(path.join(__dirname, "../levels/replays/3.txt"), "utf8")
    .split("\n").filter((l) => l.trim() && !l.startsWith("#"))
    .map((l) => l.split(/\s+/)).map(([f, keys]) => ({ frame: Number(f),
      keys: keys === "-" ? [] : keys.split("+") }));
  const codes = { D: "KeyD", A: "KeyA", W: "KeyW", S: "KeyS", SPACE: "Space", R: "KeyR",
                  ESC: "Escape", ENTER: "Enter" };
  let held = [];
  const last = script[script.length - 1].frame;
  for (let frame = 0, line = 0; frame <= last + 5 && (await state()) === 3; frame++) {
    if (line < script.length && script[line].frame === frame) {
      const want = script[line++].keys.map((k) => codes[k]);
      for (const k of held) if (!want.includes(k)) await keyboard.up(k);
      for (const k of want) if (!held.includes(k)) await keyboard.down(k);
      held = want;
    }
    await step();
  }
  for (const k of held) await keyboard.up(k);
  await shot("tutorial-end");
  const after = await state();
  check(after === 4, "Tutorial 1's recorded keys finish it (on to Tutorial 2; state " + after + ")");

  check(errors.length === 0, "no script errors on the page" + (errors.length ? ": " + errors[0] : ""));
  await browser.close();
  server.close();
}

main()
  .catch((error) => check(false, "the test ran to its end: " + error.message))
  .finally(() => {
    if (failed === 0) fs.rmSync(work, { recursive: true, force: true });
    else console.log("pictures kept in " + work);
    console.log("browser: " + passed + " passed, " + failed + " failed");
    process.exit(failed === 0 ? 0 : 1);
  });
