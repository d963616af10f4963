// The playable puzzle page: marking words on the grid with a pointer or the
// keyboard, the counter, what the page shows once every word is found, and
// the solver's progress in local storage. A line is checked by the letters
// under it; the page holds no word's place and no hidden phrase, only a
// SHA-256 digest of the phrase to check a typed one against.
(() => {
  "use strict";

  const grid = document.getElementById("ruudukko");
  const marks = document.getElementById("merkit");
  const counter = document.getElementById("laskuri");
  const end = document.getElementById("valmis");
  const phraseForm = document.getElementById("lause");
  const rows = Number(grid.dataset.rows);
  const columns = Number(grid.dataset.columns);
  const cells = Array.from(grid.querySelectorAll("[data-row]"));
  const items = Array.from(document.querySelectorAll("#sanat [data-word]"));
  const SVG = "http://www.w3.org/2000/svg";
  const COLOURS = 8;
  const DIRECTIONS = [[0, 1], [1, 1], [1, 0], [1, -1], [0, -1], [-1, -1], [-1, 0], [-1, 1]];

  // The letters compared as the program compares them: a-z and å ä ö upper
  // case, every other character as it is.
  const upper = (text) => text.replace(/[a-zåäö]/g, (c) => c.toUpperCase());
  const letters = cells.map((cell) => upper(cell.textContent));
  const words = items.map((item) => upper(item.dataset.word));
  const byLetters = new Map();
  words.forEach((word, i) => byLetters.set(word, [...(byLetters.get(word) || []), i]));

  // ---- SHA-256 of a text's UTF-8 bytes, as hexadecimal. Plain code: the
  // browser's own digest is missing from pages opened over plain http.
  const K = [
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2];
  const H0 = [0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab,
    0x5be0cd19];
  const ror = (x, n) => (x >>> n) | (x << (32 - n));

  function sha256(text) {
    const bytes = new TextEncoder().encode(text);
    const n = bytes.length;
    const m = new Uint32Array(((n + 9 + 63) >> 6) << 4);
    for (let i = 0; i < n; i++) m[i >> 2] |= bytes[i] << (24 - 8 * (i & 3));
    m[n >> 2] |= 0x80 << (24 - 8 * (n & 3));
    m[m.length - 2] = Math.floor(n / 0x20000000);
    m[m.length - 1] = n * 8;
    const h = Uint32Array.from(H0);
    const w = new Uint32Array(64);
    for (let block = 0; block < m.length; block += 16) {
      for (let t = 0; t < 64; t++) {
        if (t < 16) {
          w[t] = m[block + t];
        } else {
          const a = w[t - 15];
          const b = w[t - 2];
          w[t] = w[t - 16] + (ror(a, 7) ^ ror(a, 18) ^ (a >>> 3)) + w[t - 7] +
            (ror(b, 17) ^ ror(b, 19) ^ (b >>> 10));
        }
      }
      let [a, b, c, d, e, f, g, k] = h;
      for (let t = 0; t < 64; t++) {
        const t1 = (k + (ror(e, 6) ^ ror(e, 11) ^ ror(e, 25)) + ((e & f) ^ (~e & g)) + K[t] +
          w[t]) >>> 0;
        const t2 = ((ror(a, 2) ^ ror(a, 13) ^ ror(a, 22)) + ((a & b) ^ (a & c) ^ (b & c))) >>> 0;
        k = g; g = f; f = e; e = (d + t1) >>> 0; d = c; c = b; b = a; a = (t1 + t2) >>> 0;
      }
      [a, b, c, d, e, f, g, k].forEach((x, i) => { h[i] += x; });
    }
    return Array.from(h, (x) => x.toString(16).padStart(8, "0")).join("");
  }

  // ---- Progress: the words found (with the line that found each) and the
  // time spent, kept under the digest of the page's title, grid and words.
  const storeKey = "haravoija-peli:" + grid.dataset.key;
  const store = (() => {
    try {
      return window.localStorage;
    } catch (error) {
      return null;
    }
  })();

  let found = [];  // [word index, first row, column, last row, column] in order found
  const isFound = new Uint8Array(words.length);
  let done = false;
  // Time counts while the page is shown and words remain.
  let spent = 0;
  let since = document.visibilityState === "hidden" ? null : performance.now();
  const elapsed = () => spent + (since === null ? 0 : performance.now() - since);
  function pause() {
    spent = elapsed();
    since = null;
  }

  function save() {
    if (!store) return;
    try {
      store.setItem(storeKey, JSON.stringify({ found, spent: elapsed() }));
    } catch (error) {
      // A full or forbidden storage only loses the progress.
    }
  }

  function saved() {
    try {
      return JSON.parse(store.getItem(storeKey)) || null;
    } catch (error) {
      return null;
    }
  }

  // ---- Lines on the grid. Cells are [row, column] from 0.
  const inside = (y, x) => y >= 0 && y < rows && x >= 0 && x < columns;
  const straight = (a, b) =>
    a[0] === b[0] || a[1] === b[1] || Math.abs(a[0] - b[0]) === Math.abs(a[1] - b[1]);

  // The end of the straight line from `start` towards the point (y, x) in
  // cell units: the nearest of the eight directions, as far as the point
  // reaches along it and the grid allows.
  function snap(start, y, x) {
    const dy = y - start[0] - 0.5;
    const dx = x - start[1] - 0.5;
    const turn = (Math.round(Math.atan2(dy, dx) / (Math.PI / 4)) + 8) % 8;
    const [sy, sx] = [Math.round(Math.sin(turn * Math.PI / 4)), Math.round(Math.cos(turn * Math.PI / 4))];
    let steps = Math.max(0, Math.round((dy * sy + dx * sx) / (sy * sy + sx * sx)));
    while (steps > 0 && !inside(start[0] + steps * sy, start[1] + steps * sx)) steps--;
    return [start[0] + steps * sy, start[1] + steps * sx];
  }

  function lineLetters(a, b) {
    const sy = Math.sign(b[0] - a[0]);
    const sx = Math.sign(b[1] - a[1]);
    const length = Math.max(Math.abs(b[0] - a[0]), Math.abs(b[1] - a[1]));
    let text = "";
    for (let i = 0; i <= length; i++) text += letters[(a[0] + i * sy) * columns + a[1] + i * sx];
    return text;
  }

  // An outline from the centre of cell a to that of cell b (a cell is 2 units).
  function outline(a, b, kind) {
    const shape = document.createElementNS(SVG, "rect");
    shape.setAttribute("class", kind);
    place(shape, a, b);
    marks.append(shape);
    return shape;
  }

  function place(shape, a, b) {
    const x = 2 * a[1] + 1;
    const y = 2 * a[0] + 1;
    const length = 2 * Math.hypot(b[0] - a[0], b[1] - a[1]);
    const angle = Math.atan2(b[0] - a[0], b[1] - a[1]) * 180 / Math.PI;
    shape.setAttribute("x", x - 0.85);
    shape.setAttribute("y", y - 0.85);
    shape.setAttribute("width", length + 1.7);
    shape.setAttribute("height", 1.7);
    shape.setAttribute("rx", 0.85);
    shape.setAttribute("transform", `rotate(${angle} ${x} ${y})`);
  }

  // Marks the word the line from a to b spells, read either way, if it is
  // listed and not yet found. True when it did.
  function mark(a, b) {
    if (!inside(...a) || !inside(...b) || !straight(a, b) || (a[0] === b[0] && a[1] === b[1])) {
      return false;
    }
    const forwards = lineLetters(a, b);
    const backwards = Array.from(forwards).reverse().join("");
    const open = (text) => (byLetters.get(text) || []).find((i) => !isFound[i]);
    const index = open(forwards) ?? open(backwards);
    if (index === undefined) return false;
    isFound[index] = 1;
    outline(a, b, "sana c" + (found.length % COLOURS));
    found.push([index, a[0], a[1], b[0], b[1]]);
    items[index].classList.add("loydetty");
    count();
    if (found.length === words.length) finish();
    return true;
  }

  function count() {
    counter.textContent = `${found.length} / ${words.length} sanaa löydetty`;
  }

  // ---- The line being drawn, by pointer or keyboard.
  let pending = null;

  function draw(a, b) {
    if (!pending) pending = outline(a, b, "veto");
    else place(pending, a, b);
  }

  // Ends the line being drawn: it marks a word or fades away.
  function release(a, b) {
    const shape = pending;
    pending = null;
    if (!shape) return;
    if (a && mark(a, b)) {
      shape.remove();
      save();
      return;
    }
    shape.setAttribute("class", "veto haihtuu");
    setTimeout(() => shape.remove(), 400);
  }

  let drag = null;  // {pointer, start, end, box}
  let cursor = [0, 0];
  let keyStart = null;  // the first cell of a line marked by keyboard

  function pointAt(event, box) {
    return [(event.clientY - box.top) * rows / box.height, (event.clientX - box.left) * columns / box.width];
  }

  grid.addEventListener("pointerdown", (event) => {
    if (event.button !== 0) return;
    // A new press ends a drag whose pointer went away unnoticed.
    if (drag) release(null);
    const box = grid.getBoundingClientRect();
    const [y, x] = pointAt(event, box);
    const start = [Math.min(rows - 1, Math.max(0, Math.floor(y))), Math.min(columns - 1, Math.max(0, Math.floor(x)))];
    keyStart = null;
    moveCursor(start, false);
    drag = { pointer: event.pointerId, start, end: start, box };
    try {
      // Moves past the grid's edge still belong to the drag.
      grid.setPointerCapture(event.pointerId);
    } catch (error) {
      // A pointer already gone: its up event ends the drag all the same.
    }
    draw(start, start);
    event.preventDefault();
  });

  grid.addEventListener("pointermove", (event) => {
    if (!drag || event.pointerId !== drag.pointer) return;
    const end = snap(drag.start, ...pointAt(event, drag.box));
    if (end[0] === drag.end[0] && end[1] === drag.end[1]) return;
    drag.end = end;
    draw(drag.start, end);
  });

  grid.addEventListener("pointerup", (event) => {
    if (!drag || event.pointerId !== drag.pointer) return;
    const { start } = drag;
    const end = snap(start, ...pointAt(event, drag.box));
    drag = null;
    release(start, end);
  });

  grid.addEventListener("pointercancel", (event) => {
    if (!drag || event.pointerId !== drag.pointer) return;
    drag = null;
    release(null);
  });

  const MOVES = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };

  function moveCursor(to, show) {
    cells[cursor[0] * columns + cursor[1]].classList.remove("kursori");
    cursor = to;
    const cell = cells[to[0] * columns + to[1]];
    cell.classList.add("kursori");
    if (show) cell.scrollIntoView({ block: "nearest", inline: "nearest" });
  }

  grid.addEventListener("keydown", (event) => {
    const move = MOVES[event.key];
    if (move) {
      const to = [cursor[0] + move[0], cursor[1] + move[1]];
      if (inside(...to)) moveCursor(to, true);
      if (keyStart) draw(keyStart, snap(keyStart, cursor[0] + 0.5, cursor[1] + 0.5));
    } else if (event.key === "Enter" || event.key === " ") {
      if (drag) return;
      if (keyStart) {
        const start = keyStart;
        keyStart = null;
        release(start, snap(start, cursor[0] + 0.5, cursor[1] + 0.5));
      } else {
        keyStart = cursor;
        draw(cursor, cursor);
      }
    } else if (event.key === "Escape" && keyStart) {
      keyStart = null;
      release(null);
    } else {
      return;
    }
    event.preventDefault();
  });
  grid.addEventListener("focus", () => moveCursor(cursor, false));

  // ---- Every word found: the letters of no word, the time, the phrase.

  // Every cell that some place of some listed word covers, found by walking
  // a tree of the words from every cell in every direction.
  function leftoverLetters() {
    const root = new Map();
    for (const word of words) {
      let node = root;
      for (const letter of word) {
        if (!node.has(letter)) node.set(letter, new Map());
        node = node.get(letter);
      }
      node.set("", node);
    }
    const covered = new Uint8Array(rows * columns);
    for (let r = 0; r < rows; r++) {
      for (let c = 0; c < columns; c++) {
        for (const [sy, sx] of DIRECTIONS) {
          let node = root;
          for (let y = r, x = c, n = 1; inside(y, x); y += sy, x += sx, n++) {
            node = node.get(letters[y * columns + x]);
            if (!node) break;
            if (node.has("")) for (let i = 0; i < n; i++) covered[(r + i * sy) * columns + c + i * sx] = 1;
          }
        }
      }
    }
    return letters.filter((letter, i) => !covered[i] && letter !== " ").join("");
  }

  function duration(ms) {
    const s = Math.round(ms / 1000);
    const h = Math.floor(s / 3600);
    const m = Math.floor(s / 60) % 60;
    return (h ? `${h} h ` : "") + (h || m ? `${m} min ` : "") + `${s % 60} s`;
  }

  function finish() {
    pause();
    done = true;
    const left = leftoverLetters();
    document.getElementById("jaljella").textContent = left || "–";
    document.getElementById("aika").textContent = "Aika: " + duration(spent);
    end.hidden = false;
  }

  if (phraseForm) {
    phraseForm.addEventListener("submit", (event) => {
      event.preventDefault();
      const typed = upper(document.getElementById("lauseKentta").value.replace(/ /g, ""));
      const right = sha256(typed) === phraseForm.dataset.hash;
      const result = document.getElementById("lauseTulos");
      result.textContent = right ? "Oikein!" : "Ei ihan oikein. Yritä uudelleen.";
      result.className = right ? "oikein" : "vaarin";
    });
  }

  // ---- Starting again, the size of the grid, and the page's start.
  document.getElementById("alusta").addEventListener("click", () => {
    if (store) store.removeItem(storeKey);
    found = [];
    isFound.fill(0);
    for (const shape of marks.querySelectorAll(".sana")) shape.remove();
    for (const item of items) item.classList.remove("loydetty");
    spent = 0;
    since = performance.now();
    done = false;
    end.hidden = true;
    if (phraseForm) {
      phraseForm.reset();
      document.getElementById("lauseTulos").textContent = "";
    }
    count();
  });

  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden") {
      pause();
      save();
    } else if (!done) {
      since = performance.now();
    }
  });
  window.addEventListener("pagehide", save);

  // The style sheet fits the cells to the window; the buttons zoom from there.
  let zoom = 1;
  function setZoom(factor) {
    zoom = Math.min(8, Math.max(0.25, zoom * factor));
    grid.style.setProperty("--zoom", zoom);
  }
  document.getElementById("suurenna").addEventListener("click", () => setZoom(1.25));
  document.getElementById("pienenna").addEventListener("click", () => setZoom(1 / 1.25));

  // Saved lines are marked again, so a line whose letters no longer spell
  // its word (a changed page under the same digest) is dropped.
  const before = store ? saved() : null;
  if (before && Array.isArray(before.found)) {
    spent = Math.max(0, Number(before.spent) || 0);
    for (const line of before.found) {
      if (Array.isArray(line) && line.length === 5 && line.every(Number.isInteger)) {
        mark([line[1], line[2]], [line[3], line[4]]);
      }
    }
  }
  count();
})();
