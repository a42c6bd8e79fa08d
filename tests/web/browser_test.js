// browser_test.js: the browser build in headless Chromium, as a player meets it.
//
//   node tests/web/browser_test.js SITE REFERENCES
//
// SITE is build-web/site; REFERENCES holds the desktop runner's pictures of the same frames,
// scaled to the page's 960 x 540 (splash.png, menu.png, level1.png), and in tutorial.txt the
// frame on which its Tutorial 1 replay finishes (tests/web/run.sh makes them). The page runs
// with its frames gated (?step): each frame's key and pointer events go through the browser's
// own event path (Chromium's input, as a player's would) and are waited for until the page
// has them; only then is that one frame let run, with the runner's steady 1/60 s. So each key
// reaches the same frame as in the runner's script, and the pictures can be compared.
// Everything waits by polling for what it waits for; no step depends on the machine's speed.
// Checks: the download (size, progress bar, a second visit from the cache); the splash, then
// the menu after a key; sound running after the first key, and a click sound after an ended one;
// Play, and Level 1's first frame; Escape pauses; Ctrl+Q ends on a page that offers to play
// again; a lowered music volume survives a reload; a file one tab keeps survives another tab's
// write; a pad's A skips the logos; Tutorial 1 finished by its recorded keys on the runner's
// frame.
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
  // frame it is meant for. Chromium sends a pointer move only to a new place: the mouse (one
  // for the page, kept over reloads) is where it was last sent, and a page that has not yet
  // seen it there is shown it by a move beside it first.
  const until = (fn, ...args) =>
    page.waitForFunction(fn, { polling: "raf", timeout: 60000 }, ...args);
  const keyIs = (code, how) => until((c, h) => window.vantara.keys[c] === h, code, how);
  const keyboard = {
    down: async (code) => { await page.keyboard.down(code); await keyIs(code, "down"); },
    up: async (code) => { await page.keyboard.up(code); await keyIs(code, "up"); },
  };
  let mouseAt = [0, 0];
  const pointerAt = (x, y) => until((p) => {
    const at = window.vantara.pointer;
    return at !== null && at[0] === p[0] && at[1] === p[1];
  }, [x, y]);
  const buttonIs = (held) => until((h) => (window.vantara.buttons & 1) === h, held ? 1 : 0);
  const mouse = {
    move: async (x, y) => {
      const seen = await page.evaluate(() => window.vantara.pointer);
      if (seen && seen[0] === x && seen[1] === y) return;
      if (mouseAt[0] === x && mouseAt[1] === y) {
        await page.mouse.move(x + 1, y);
        await pointerAt(x + 1, y);
      }
      await page.mouse.move(x, y);
      mouseAt = [x, y];
      await pointerAt(x, y);
    },
    down: async () => { await page.mouse.down(); await buttonIs(true); },
    up: async () => { await page.mouse.up(); await buttonIs(false); },
  };
  page.on("pageerror", (e) => errors.push(e.message));
  // What the game says on its standard error, shown when a check fails.
  const said = [];
  page.on("console", (message) => message.text() && said.push(message.text()));
  // The progress bar's widths, as the page set them.
  await page.evaluateOnNewDocument(() => {
    window.progressSeen = [];
    new MutationObserver(() => {
      const fill = document.getElementById("fill");
      if (fill) window.progressSeen.push(fill.style.width);
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["style"] });
    // The Gamepad API as the page reads it, with a pad the test plugs in: a standard one.
    window.testPads = [];
    navigator.getGamepads = () => window.testPads;
  });

  const poll = (fn, arg, timeout = 180000) =>
    page.waitForFunction(fn, { polling: 100, timeout }, arg);
  const frames = () => page.evaluate(() => window.vantara.frames);
  const state = () => page.evaluate(() => window.vantara.state());
  // Lets n more frames run and waits until they have.
  const step = async (n = 1) => {
    if (n <= 0) return;
    const target = (await frames()) + n;
    await page.evaluate((k) => window.vantara.step(k), n);
    await page.waitForFunction((t) => window.vantara.frames >= t,
                               { polling: "raf", timeout: 60000 + 100 * n }, target);
  };
  const shot = async (name) => {
    const file = path.join(work, name + ".png");
    await page.screenshot({ path: file });
    return file;
  };
  const loaded = () => poll(() => window.vantara && window.vantara.frames >= 1 &&
                                  window.Module && window.Module._VantaraCurrentState);
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
  // The click plays in the browser's time: frames run until it has ended there.
  const ended = () => page.evaluate(() => Object.values(AL.currentCtx.sources).filter((s) => {
    AL.updateSourceTime(s);
    return s.state === 0x1014; // AL_STOPPED
  }).length);
  for (let i = 0; i < 3600 && (await ended()) === 0; i++) await step();
  check((await ended()) > 0 && (await hoverPlays(690, 306)), // Tutorial
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
  await keyboard.down("ControlLeft");
  await keyboard.down("KeyQ");
  await step();
  await keyboard.up("KeyQ");
  await keyboard.up("ControlLeft");
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

  // The settings window opens with its focus on the music's minus: a first Enter shows the
  // focus, a second presses it and lowers the music; the file is kept in the browser's storage.
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
  for (let press = 0; press < 2; press++) {
    await keyboard.down("Enter");
    await step();
    await keyboard.up("Enter");
    await step(5);
  }
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
  check(lowered > 0 && lowered < 1 && (await volume()) === lowered,
        "the lowered music volume is there after a reload");

  // Two tabs are two copies of the game. What one keeps (written as the game writes: whole,
  // then renamed over the old file) reaches the other, whose own write then keeps it too.
  const other = await browser.newPage();
  await other.goto(url + "?step");
  await other.waitForFunction(() => window.vantara && window.vantara.frames >= 1,
                              { polling: 100, timeout: 180000 });
  const keepFile = (tab, file, text) => tab.evaluate((f, t) => {
    const FS = window.Module.FS;
    FS.mkdirTree(f.slice(0, f.lastIndexOf("/")));
    FS.writeFile(f + ".test.tmp", t);
    FS.rename(f + ".test.tmp", f);
  }, file, text);
  const readFile = (tab, file) => tab.evaluate((f) => {
    try {
      return new TextDecoder().decode(window.Module.FS.readFile(f));
    } catch (e) {
      return null;
    }
  }, file);
  const best = "/kept/data/vantara/best_times.ini";
  const bestText = "[best_frames]\nlevel_1 = 2843\n";
  const otherSettings = "[sound]\nmusic_volume = 0.25\n";
  await keepFile(page, best, bestText);
  await other.waitForFunction((f) => {
    try {
      return window.Module.FS.readFile(f).length > 0;
    } catch (e) {
      return false;
    }
  }, { polling: 100, timeout: 30000 }, best).catch(() => {});
  const otherWrites = await other.evaluate(() => window.Module.keptWrites || 0);
  await keepFile(other, settings, otherSettings);
  await other.waitForFunction((n) => (window.Module.keptWrites || 0) > n,
                              { polling: 100, timeout: 30000 }, otherWrites).catch(() => {});
  await other.close();
  await page.bringToFront();
  await page.reload();
  await loaded();
  check((await readFile(page, best)) === bestText &&
        (await readFile(page, settings)) === otherSettings,
        "a file one tab keeps survives another tab's write");

  // A pad with the Gamepad API's standard mapping: its A skips the two logos as Space does
  // (frame 30 shows the menu as the runner draws it), and unplugged it leaves nothing held.
  await page.evaluate(() => {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
    window.testPads = [{ id: "test pad", index: 0, connected: true, mapping: "standard",
                         timestamp: 0, axes: [0, 0, 0, 0], buttons: buttons }];
  });
  const padA = (down) => page.evaluate((d) => {
    window.testPads[0].buttons[0] = { pressed: d, touched: d, value: d ? 1 : 0 };
  }, down);
  for (let logo = 0; logo < 2; logo++) {
    await padA(true);
    await step();
    await padA(false);
    await step();
  }
  await step(30 - (await frames()) + 1);
  check(differingShare(await shot("menu-by-pad"), path.join(references, "menu.png")) < 0.02,
        "a pad's A skips the logos to the menu, as Space does");
  await page.evaluate(() => (window.testPads = []));
  await step(3);

  // Tutorial 1, played into the page by key events, frame by frame as recorded: it finishes
  // on the frame the runner finishes it.
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
  const expected = Number(fs.readFileSync(path.join(references, "tutorial.txt"), "utf8"));
  let held = [];
  let finished = -1;
  for (let frame = 0, line = 0; frame <= expected + 60 && finished < 0; frame++) {
    if (line < script.length && script[line].frame === frame) {
      const want = script[line++].keys.map((k) => codes[k]);
      for (const k of held) if (!want.includes(k)) await keyboard.up(k);
      for (const k of want) if (!held.includes(k)) await keyboard.down(k);
      held = want;
    }
    await step();
    if ((await state()) !== 3) finished = frame;
  }
  for (const k of held) await keyboard.up(k);
  await shot("tutorial-end");
  const after = await state();
  check(after === 4 && finished === expected,
        "Tutorial 1's recorded keys finish it on the runner's frame " + expected +
        " (finished on " + finished + ", on to state " + after + ")");

  check(errors.length === 0, "no script errors on the page" + (errors.length ? ": " + errors[0] : ""));
  if (failed > 0) console.log("the page said:\n  " + said.join("\n  "));
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
