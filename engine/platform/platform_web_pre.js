// platform_web_pre.js: the browser's side of the web platform, run before the game starts.
//
// Kept files (settings, best times) live under /kept, in the browser's IndexedDB through
// Emscripten's IDBFS: read in before the game starts, and written back to the browser's
// storage after every rename into the folder, which is how the game finishes each write (the
// whole file to a temporary name, then renamed over the old one). A hidden tab suspends the
// sound, as a minimised desktop game falls silent; the first key or click starts it
// (Emscripten's OpenAL does that, as browsers allow sound only after one).
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function () {
  ENV["XDG_CONFIG_HOME"] = "/kept/config";
  ENV["XDG_DATA_HOME"] = "/kept/data";
  FS.mkdir("/kept");
  FS.mount(IDBFS, {}, "/kept");
  addRunDependency("kept-files");
  FS.syncfs(true, function (error) {
    if (error) console.warn("Vantara: the saved settings could not be read: " + error);
    removeRunDependency("kept-files");
  });

  // One write to the browser's storage at a time; a rename during one asks for another.
  var syncing = false, again = false;
  function keep() {
    if (syncing) {
      again = true;
      return;
    }
    syncing = true;
    FS.syncfs(false, function (error) {
      if (error) console.warn("Vantara: the settings could not be saved: " + error);
      syncing = false;
      Module["keptWrites"] = (Module["keptWrites"] || 0) + 1;
      if (again) {
        again = false;
        keep();
      }
    });
  }
  var rename = FS.rename;
  FS.rename = function (from, to) {
    rename(from, to);
    if (to.indexOf("/kept/") === 0) keep();
  };

  document.addEventListener("visibilitychange", function () {
    if (typeof AL === "undefined") return;
    for (var id in AL.contexts) {
      var audio = AL.contexts[id].audioCtx;
      if (document.hidden) audio.suspend();
      else if (audio.state === "suspended") audio.resume();
    }
  });
});
