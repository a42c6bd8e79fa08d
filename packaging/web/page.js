// page.js: the page around the game. Downloads the game (vantara.wasm) and its data
// (vantara.data) with one progress bar, then starts it; when the game ends (Quit, Ctrl+Q) it
// says so and offers to start again. The downloads go through the browser's cache, so a
// second visit starts from it.
//
// For tests and the benchmark the page keeps a few numbers on window.vantara: the time the
// first frame was drawn (since the page was asked for), the game frames run, the main thread's
// time of each of the last 600. With ?step in the address the frames are gated: the game shows
// its first frame, then runs one more, at its animation frame and with the steady 1/60 s, only
// for each vantara.step() (vantara.step(n): n more), so that a test can send a frame's key
// and pointer events first. vantara.state() is the game state up (1 the main menu, 3 to 15 the
// tutorial and levels); vantara.keys (each key's code: "down" or "up"), vantara.pointer
// ([x, y] in page pixels) and vantara.buttons (the buttons held) are the input events as the
// page last had them, so a test knows when its events have arrived.
(function () {
  "use strict";
  const stepping = new URLSearchParams(location.search).has("step");
  const status = document.getElementById("status");
  const fill = document.getElementById("fill");
  const info = (window.vantara = { firstFrame: 0, frames: 0, frameTimes: [], ended: null,
                                    keys: {}, pointer: null, buttons: 0 });
  // The key and pointer events as the page last had them.
  for (const type of ["keydown", "keyup"])
    window.addEventListener(type, (e) => (info.keys[e.code] = type.slice(3)), true);
  for (const type of ["mousedown", "mouseup", "mousemove"])
    window.addEventListener(type, (e) => {
      info.pointer = [e.clientX, e.clientY];
      info.buttons = e.buttons;
    }, true);

  function fail(text) {
    document.getElementById("loading").hidden = true;
    document.getElementById("ended-text").textContent = text;
    document.getElementById("ended").hidden = false;
  }

  // Every download with its progress; the total is known once each has answered.
  const files = ["vantara.wasm", "vantara.data"];
  const received = files.map(() => 0);
  const sizes = files.map(() => 0);
  function showProgress() {
    const got = received.reduce((a, b) => a + b, 0);
    const total = sizes.every((s) => s > 0) ? sizes.reduce((a, b) => a + b, 0) : 0;
    const mb = (n) => (n / 1048576).toFixed(1);
    if (total > 0) {
      fill.style.width = Math.min(100, (100 * got) / total) + "%";
      status.textContent = "Loading " + mb(got) + " of " + mb(total) + " MB";
    } else status.textContent = "Loading " + mb(got) + " MB";
  }
  async function download(index) {
    const response = await fetch(files[index]);
    if (!response.ok) throw new Error(files[index] + ": " + response.status);
    sizes[index] = Number(response.headers.get("Content-Length")) || 0;
    const reader = response.body.getReader();
    const parts = [];
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      parts.push(value);
      received[index] += value.length;
      showProgress();
    }
    return await new Blob(parts).arrayBuffer();
  }

  function addScript(src) {
    return new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = src;
      script.onload = resolve;
      script.onerror = () => reject(new Error(src));
      document.body.appendChild(script);
    });
  }

  Promise.all(files.map((_, i) => download(i)))
    .then(([wasm, data]) => {
      const canvas = document.getElementById("canvas");
      const started = { at: 0, frames: 0 };
      window.Module = {
        canvas: canvas,
        wasmBinary: wasm,
        getPreloadedPackage: () => data,
        print: (text) => console.log(text),
        printErr: (text) => console.warn(text),
        preMainLoop: () => {
          started.at = performance.now();
          started.frames = Module._VantaraFramesRun();
        },
        postMainLoop: () => {
          // Only the animation frames that ran a game frame (a faster display skips some).
          if (Module._VantaraFramesRun() === started.frames) return;
          const spent = performance.now() - started.at;
          if (info.frames === 0) {
            info.firstFrame = performance.now();
            document.getElementById("loading").hidden = true;
            canvas.focus();
          }
          info.frames += 1;
          info.frameTimes.push(spent);
          if (info.frameTimes.length > 600) info.frameTimes.shift();
        },
        onRuntimeInitialized: () => {
          if (!stepping) return;
          Module._VantaraGateFrames();
          Module._VantaraAllowFrame(); // the first frame shows, as without the gate
        },
        onGameEnded: (code) => {
          info.ended = code;
          canvas.hidden = true;
          fail(
            code === 0
              ? "The game has ended. Thank you for playing."
              : code === 2
              ? "Vantara needs WebGL 2, which this browser does not offer."
              : "The game has stopped (code " + code + ")."
          );
        },
        onAbort: (what) => fail("The game has stopped: " + what),
      };
      if (stepping)
        info.step = (n = 1) => {
          for (let i = 0; i < n; i++) Module._VantaraAllowFrame();
        };
      info.state = () => Module._VantaraCurrentState();
      status.textContent = "Starting";
      return addScript("vantara-data.js").then(() => addScript("vantara.js"));
    })
    .catch((error) => fail("Vantara could not be loaded: " + error.message));

  document.getElementById("again").addEventListener("click", () => location.reload());
})();
