// platform_web_pre.js: the browser's side of the web platform, run before the game starts.
//
// Kept files (settings, best times) live under /kept, in the browser's IndexedDB through
// Emscripten's IDBFS: read in before the game starts, and written back to the browser's
// storage after every rename or removal in the folder, which is how the game finishes each
// change (a whole file written to a temporary name, then renamed over the old one; a damaged
// one renamed aside). Every tab of the game's address is a copy of the game with its own copy
// of the folder, and writing back stores a tab's whole folder: so each change is also told to
// the other tabs (a BroadcastChannel), which take it into their copy, and store their folder
// again, before they read the file back for a write of their own. No tab's write takes
// away what another kept. A hidden tab suspends the sound, as a minimised desktop game falls
// silent; the first key or click starts it (Emscripten's OpenAL does that, as browsers allow
// sound only after one).
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function () {
  var KEPT = "/kept/";
  ENV["XDG_CONFIG_HOME"] = "/kept/config";
  ENV["XDG_DATA_HOME"] = "/kept/data";
  FS.mkdir("/kept");
  FS.mount(IDBFS, {}, "/kept");

  // One write to the browser's storage at a time; a change during one asks for another.
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

  var channel = typeof BroadcastChannel === "function" ? new BroadcastChannel("vantara-kept") : null;
  var rename = FS.rename, unlink = FS.unlink;
  // Tells the other tabs what `path` now holds (null: it is gone).
  function tell(path) {
    if (!channel) return;
    var contents = null;
    try {
      contents = FS.readFile(path);
    } catch (e) {}
    channel.postMessage({ path: path, contents: contents });
  }
  function changed(path) {
    return typeof path === "string" && path.indexOf(KEPT) === 0;
  }
  FS.rename = function (from, to) {
    rename(from, to);
    if (!changed(to)) return;
    keep();
    tell(from);
    tell(to);
  };
  FS.unlink = function (path) {
    unlink(path);
    if (!changed(path)) return;
    keep();
    tell(path);
  };

  addRunDependency("kept-files");
  FS.syncfs(true, function (error) {
    if (error) console.warn("Vantara: the saved settings could not be read: " + error);
    removeRunDependency("kept-files");
    // Another tab's change, taken in as it stands in that tab.
    if (channel)
      channel.onmessage = function (event) {
        var path = event.data.path, contents = event.data.contents;
        if (!changed(path)) return;
        try {
          if (contents === null) unlink(path);
          else {
            FS.mkdirTree(path.slice(0, path.lastIndexOf("/")));
            FS.writeFile(path, contents);
          }
        } catch (e) {
          return; // already gone here
        }
        keep();
      };
  });

  document.addEventListener("visibilitychange", function () {
    if (typeof AL === "undefined") return;
    for (var id in AL.contexts) {
      var audio = AL.contexts[id].audioCtx;
      if (document.hidden) audio.suspend();
      else if (audio.state === "suspended") audio.resume();
    }
  });
});
