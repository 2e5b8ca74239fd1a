// The page of the browser game: draws every open window from the state the program sends,
// and sends the player's events back. Every text shown comes from the program; only labels
// for assistive technology are written here.
'use strict';

(function () {
  const V = {};
  window.Module = {
    velkaro: V,
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
  };

  const desk = document.getElementById('desk');
  const statusLine = document.getElementById('status');
  const notice = document.getElementById('notice');
  const box = document.getElementById('box');
  const SEP = '\x1f';

  let texts = {};
  let state = { windows: [], unsaved: false };
  let boxOpen = false;
  const seenWindows = new Set();
  const activeRow = new Map();   // list key -> the row the keyboard is on
  let shownStatus = 0;
  let statusTimer = null;
  let creditsTimer = null;
  V.timings = { start: performance.now() };

  // ---- events to the program ------------------------------------------------------------
  const queue = [];
  let waiter = null;
  let waitTimer = null;

  function post(win, control, index, kind, value) {
    if (boxOpen) return;
    const line = [win, control, index, kind, String(value === undefined ? '' : value).split(SEP).join(' ')].join(SEP);
    if (waiter) {
      const w = waiter;
      waiter = null;
      clearTimeout(waitTimer);
      w(line);
    } else {
      queue.push(line);
    }
  }
  V.post = post;

  V.next = (timeoutMs) => new Promise((resolve) => {
    if (queue.length) {
      resolve(queue.shift());
      return;
    }
    waiter = resolve;
    if (timeoutMs >= 0) {
      waitTimer = setTimeout(() => {
        if (waiter === resolve) {
          waiter = null;
          resolve(null);
        }
      }, timeoutMs);
    }
  });

  // ---- small builders --------------------------------------------------------------------
  function el(tag, attrs, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs || {})) {
      if (v === undefined || v === null || v === false) continue;
      if (k === 'class') e.className = v;
      else if (k === 'text') e.textContent = v;
      else if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
      else e.setAttribute(k, v === true ? '' : v);
    }
    for (const c of children) if (c) e.append(c);
    return e;
  }

  function label(lbl, cls, tag) {
    if (!lbl || lbl.hidden) return null;
    return el(tag || 'div', { class: 'label ' + (cls || ''), text: lbl.t, title: lbl.tip });
  }

  function button(win, control, b, cls) {
    if (!b || b.hidden) return null;
    return el('button', {
      type: 'button', class: cls, 'data-key': control, disabled: !!b.disabled, title: b.tip, text: b.t,
      onclick: () => post(win, control, 0, 'click'),
    });
  }

  // A list the player chooses from: a listbox with options, the keyboard on one row.
  function listbox(win, control, list, opts) {
    opts = opts || {};
    if (!list || list.hidden) return null;
    const key = win + ':' + control;
    const multi = !!list.multi;
    const chosen = (i) => (multi ? list.sel.includes(i) : list.index === i);
    let active = activeRow.has(key) ? activeRow.get(key) : list.index;
    if (active >= list.items.length) active = list.items.length - 1;
    const box = el('div', {
      role: 'listbox', tabindex: list.disabled ? '-1' : '0', class: 'list ' + (opts.cls || ''), 'data-key': control,
      'aria-label': opts.label, 'aria-multiselectable': multi ? 'true' : null, 'aria-disabled': list.disabled ? 'true' : null,
      title: list.tip,
    });
    if (list.bg) box.style.backgroundColor = list.bg;
    const choose = (i) => {
      activeRow.set(key, i);
      post(win, control, i, 'click');
    };
    list.items.forEach((text, i) => {
      const option = el('div', {
        role: 'option', id: 'o' + win + '-' + control.replace('.', '_') + '-' + i, class: 'option' + (i === active ? ' active' : ''),
        'aria-selected': chosen(i) ? 'true' : 'false', text: text,
      });
      option.addEventListener('click', () => { if (!list.disabled) choose(i); });
      box.append(option);
    });
    if (active >= 0 && active < list.items.length) box.setAttribute('aria-activedescendant', 'o' + win + '-' + control.replace('.', '_') + '-' + active);
    box.addEventListener('keydown', (ev) => {
      if (list.disabled || !list.items.length) return;
      let row = activeRow.has(key) ? activeRow.get(key) : Math.max(list.index, -1);
      const last = list.items.length - 1;
      const moves = { ArrowDown: row + 1, ArrowUp: row - 1, Home: 0, End: last, PageDown: row + 5, PageUp: row - 5 };
      if (ev.key in moves) {
        ev.preventDefault();
        ev.stopPropagation();
        row = Math.max(0, Math.min(last, moves[ev.key]));
        activeRow.set(key, row);
        markActive(box, row);
        if (opts.move) post(win, control, row, 'move');
      } else if ((ev.key === 'Enter' || ev.key === ' ') && row >= 0) {
        ev.preventDefault();
        ev.stopPropagation();
        choose(row);
      }
    });
    if (opts.hover) box.addEventListener('mouseenter', () => hover(win, opts.hover));
    return box;
  }

  // The pointer over a control, told once until it moves to another: a redraw puts new elements
  // under a pointer that did not move, and the browser reports them as entered again.
  let lastHover = '';
  function hover(win, control) {
    const key = win + ':' + control;
    if (key === lastHover) return;
    lastHover = key;
    post(win, control, 0, 'hover');
  }

  function markActive(box, row) {
    box.querySelectorAll('[role=option]').forEach((o, i) => {
      o.classList.toggle('active', i === row);
      if (i === row) {
        box.setAttribute('aria-activedescendant', o.id);
        o.scrollIntoView({ block: 'nearest' });
      }
    });
  }

  function row(...children) { return el('div', { class: 'row' }, ...children); }
  function spacer() { return el('span', { class: 'spacer' }); }
  function lines(lbl) { return lbl && !lbl.hidden && lbl.t ? lbl.t.split('\n') : []; }

  // A table from columns of lines, one line a row.
  function columnTable(headings, columns, numeric, cls) {
    const count = Math.max(0, ...columns.map((c) => c.length));
    const head = el('tr', {}, ...headings.map((h) => el('th', { scope: 'col', text: h })));
    const rows = [];
    for (let r = 0; r < count; r++) {
      rows.push(el('tr', {}, ...columns.map((c, i) => el(i === 0 ? 'th' : 'td', {
        scope: i === 0 ? 'row' : null, class: numeric[i] ? 'num' : null, text: c[r] || '',
      }))));
    }
    return el('div', { class: 'table-wrap ' + (cls || ''), tabindex: '0' }, el('table', {}, el('thead', {}, head), el('tbody', {}, ...rows)));
  }

  // ---- the screens -----------------------------------------------------------------------
  const screens = {};

  screens.TitleScreen = (w, s) => {
    const scenarios = el('div', { class: 'stack' },
      label(s.Label2[1], 'heading', 'h2'),
      listbox(w, 'List1.0', s.List1[0], { label: s.Label2[1].t, move: true, hover: 'List1.0', cls: 'big' }));
    const rulers = el('div', { class: 'stack rulers' },
      label(s.Label2[0], 'heading', 'h2'),
      listbox(w, 'List1.1', s.List1[1], { label: s.Label2[0].t, hover: 'List1.1', cls: 'big' }));
    const description = el('div', { class: 'text-panel description', tabindex: '0' }, label(s.Lab_txt, 'pre'));
    const hint = el('div', { class: 'hint' }, label(s.Hlp));
    const commands = row(button(w, 'Command2', s.Command2, 'cmd'), button(w, 'Command1.1', s.Command1[1], 'cmd'),
      button(w, 'cmdInit', s.cmdInit, 'cmd'), spacer(), button(w, 'Command1.0', s.Command1[0], 'cmd'));
    const body = el('div', { class: 'title-grid' }, scenarios, rulers, description);
    const parts = [body, hint, commands, slotTools()];
    if (!s.Picture1.hidden) {
      parts.push(el('button', {
        type: 'button', class: 'splash', 'data-key': 'Picture1', 'aria-label': texts.gameTitle,
        onclick: () => post(w, 'Picture1', 0, 'click'),
      }, s.Label1.hidden ? null : el('span', { text: s.Label1.t })));
    }
    return { parts, hoverBack: s.Hlp.t !== '' };
  };

  screens.MainScreen = (w, s) => {
    const groups = new Map();
    for (const m of s.menu) {
      if (!groups.has(m.group)) groups.set(m.group, []);
      groups.get(m.group).push(m);
    }
    const menubar = el('nav', { class: 'menubar', 'aria-label': 'メニュー' },
      ...[...groups.entries()].map(([g, items]) => el('div', { class: 'menu-group', role: 'group', 'aria-label': g },
        el('span', { class: 'menu-name', 'aria-hidden': 'true', text: g }),
        ...items.map((m) => button(w, 'menu.' + m.id, { t: m.t }, 'menu-item')))));
    const panels = s.Frame1.map((frame, k) => el('section', {
      class: 'panel' + (s.currentPanel === k ? ' current' : ''), 'aria-label': frame.t,
    },
    el('h2', { class: 'panel-title', text: frame.t }),
    el('div', { class: 'panel-lists' },
      el('div', { class: 'stack' }, label(s.Label1[k], 'heading'),
        listbox(w, 'Gun_lst.' + k, s.Gun_lst[k], { label: frame.t + ' ' + s.Label1[k].t })),
      el('div', { class: 'stack' }, el('div', { class: 'label heading', text: s.menuHeading }),
        listbox(w, 'Com_Lst.' + k, s.Com_Lst[k], { label: frame.t + ' ' + s.menuHeading, cls: 'menu-list' }))),
    el('div', { class: 'alliance' }, label(s.Lab_Mei[k], 'pre'), label(s.Lab_MeiVal[k], 'num pre'))));
    const side = el('aside', { class: 'players' },
      label(s.Label6, 'turn', 'h2'),
      listbox(w, 'dsp_PC', s.dsp_PC, { label: s.Label6.t }),
      button(w, 'Auto', s.Auto, 'cmd auto'));
    return {
      parts: [menubar, label(s.Lab_hlp, 'year', 'h2'), el('div', { class: 'main-body' }, el('div', { class: 'panels' }, ...panels), side), slotTools()],
    };
  };

  function pager(w, s) {
    const b = s.Command1;
    return row(button(w, 'Command1.1', b[1], 'cmd'), button(w, 'Command1.2', b[2], 'cmd'),
      button(w, 'Command1.3', b[3], 'cmd'), spacer(), button(w, 'Command1.0', b[0], 'cmd'));
  }

  screens.ResolutionScreen = (w, s) => {
    const text = el('div', { class: 'text-panel narration', tabindex: '0', 'data-key': 'text', 'data-page': s.page }, label(s.Label1, 'pre'));
    if (s.credits) text.classList.add('credits');
    return { parts: [label(s.Lbl_Caution, 'caution', 'p'), text, pager(w, s)], keys: true };
  };

  screens.LogReader = (w, s) => {
    const text = el('div', { class: 'text-panel log', tabindex: '0', 'data-key': 'text', 'data-page': s.page }, label(s.dspMsg, 'pre'));
    return { parts: [label(s.Lbl_Caution, 'caution', 'p'), text, pager(w, s)], keys: true };
  };

  screens.StrategyExplanation = (w, s) => ({
    parts: [label(s.Label1, 'heading', 'h2'), el('div', { class: 'text-panel', tabindex: '0' }, label(s.Lab_txt, 'pre')),
      row(button(w, 'Command1.2', s.Command1[2], 'cmd'), spacer(), button(w, 'Command1.1', s.Command1[1], 'cmd'),
        button(w, 'Command1.0', s.Command1[0], 'cmd'))],
  });

  // The typed number holds the keyboard when the window opens, so that Enter decides and the
  // digit keys type (a focused button would take Enter for itself).
  function typedNumber(lbl) {
    const e = label(lbl, 'typed', 'p');
    if (e) {
      e.tabIndex = -1;
      e.dataset.key = 'Lab_num';
      e.setAttribute('aria-live', 'polite');
    }
    return e;
  }

  screens.SaveLoadScreen = (w, s) => {
    const d = (n) => button(w, 'Command1.' + n, s.Command1[n], 'digit');
    const pad = el('div', { class: 'pad' }, d(7), d(8), d(9), d(4), d(5), d(6), d(1), d(2), d(3), d(0),
      button(w, 'Command2.0', s.Command2[0], 'digit wide'));
    return {
      parts: [typedNumber(s.Lab_num), label(s.Hlp, 'hint pre'), pad,
        row(button(w, 'Command2.1', s.Command2[1], 'cmd'), button(w, 'Command3', s.Command3, 'cmd'))],
      keys: true,
    };
  };

  screens.FactionDetail = (w, s) => {
    const heads = lines(s.Label1);
    const values = lines(s.Label2);
    const figures = el('dl', { class: 'figures' }, ...heads.flatMap((h, i) => [el('dt', { text: h }), el('dd', { text: values[i] || '' })]));
    const lists = s.Chr_lst.map((l, k) => el('div', { class: 'stack' }, label(s.Frame1[k], 'heading'),
      listbox(w, 'Chr_lst.' + k, l, { label: s.Frame1[k].t })));
    return {
      parts: [el('h2', { class: 'name', text: s.name }), el('div', { class: 'detail-top' }, figures, label(s.Txt_lab, 'note pre')),
        el('div', { class: 'officer-lists' }, ...lists),
        row(button(w, 'Command1.1', s.Command1[1], 'cmd'), spacer(), button(w, 'Command1.0', s.Command1[0], 'cmd'))],
    };
  };

  screens.AllFactions = (w, s) => {
    const headings = s.Lab_Cate.slice(0, 9).map((h) => h.t);
    const columns = [lines(s.Lab_name), ...s.Lab_abl.map(lines)];
    const numeric = [false, ...s.Lab_abl.map((_, i) => i + 1 < s.Lab_abl.length)];
    return {
      parts: [columnTable(headings, columns, numeric),
        row(button(w, 'Command1.1', s.Command1[1], 'cmd'), spacer(), button(w, 'Command1.0', s.Command1[0], 'cmd'))],
    };
  };

  screens.OfficerRoster = (w, s) => {
    const headings = [s.Lab_Cate[0].t, '', ...s.Lab_Cate.slice(1).map((h) => h.t)];
    const columns = [lines(s.Lab_name), lines(s.Lab_id), ...s.Lab_abl.map(lines)];
    const numeric = [false, true, ...s.Lab_abl.map((_, i) => i + 1 < s.Lab_abl.length)];
    return { parts: [columnTable(headings, columns, numeric, 'roster'), label(s.Hlp, 'hint'), row(spacer(), button(w, 'Command1', s.Command1, 'cmd'))] };
  };

  screens.FactionOfficerLists = (w, s) => ({
    parts: [el('div', { class: 'faction-lists' }, ...s.Chr_lst.map((l, k) => {
      if (s.Lab_name[k].hidden && l.hidden) return null;
      const name = label(s.Lab_name[k], 'heading');
      if (name && s.nameBg[k]) name.style.backgroundColor = s.nameBg[k];
      return el('div', { class: 'stack' }, name, listbox(w, 'Chr_lst.' + k, l, { label: s.Lab_name[k].t }));
    })), row(spacer(), button(w, 'Command1', s.Command1, 'cmd'))],
  });

  screens.OfficerStatus = (w, s) => {
    const pairs = (kinds, values) => {
      const v = lines(values);
      return el('dl', { class: 'figures' }, ...lines(kinds).flatMap((h, i) => [el('dt', { text: h }), el('dd', { text: v[i] || '' })]));
    };
    const comment = s.Lab_cmt.hidden ? null : el('button', {
      type: 'button', class: 'comment', 'data-key': 'Lab_cmt', disabled: !!s.Lab_cmt.disabled, text: s.Lab_cmt.t,
      onclick: () => post(w, 'Lab_cmt', 0, 'click'), onmouseenter: () => hover(w, 'Lab_cmt'),
    });
    return {
      parts: [label(s.Name_lab, 'name', 'h2'), label(s.Label1, 'post'),
        el('div', { class: 'abilities' }, pairs(s.Skl_Kind[0], s.Skl_Lab[1]), pairs(s.Skl_Kind[1], s.Skl_Lab[2])),
        comment, label(s.Hlp, 'hint'), row(button(w, 'cmdEdit', s.cmdEdit, 'cmd'), spacer(), button(w, 'Command1', s.Command1, 'cmd'))],
      hoverBack: s.Hlp.t !== '',
    };
  };

  function textInput(w, control, boxState, caption) {
    if (boxState.hidden) return null;
    const id = 'i' + w + '-' + control.replace('.', '_');
    const input = el('input', {
      id, type: 'text', inputmode: 'numeric', 'data-key': control, disabled: !!boxState.disabled, readonly: !!boxState.locked,
      oninput: (ev) => post(w, control, 0, 'text', ev.target.value),
      onkeydown: (ev) => { if (ev.key === 'Enter') { ev.preventDefault(); post(w, control, 0, 'enter'); } },
    });
    input.value = boxState.t;
    return el('div', { class: 'field' }, el('label', { for: id, text: caption }), input);
  }

  screens.OfficerEditor = (w, s) => {
    const job = s.cmbJob;
    const select = el('select', {
      'data-key': 'cmbJob', 'aria-label': s.Name_lab.t, disabled: !!job.disabled,
      onchange: (ev) => post(w, 'cmbJob', ev.target.selectedIndex, 'click'),
    }, ...job.items.map((t, i) => el('option', { value: String(i), text: t })));
    select.selectedIndex = job.index;
    const skills = s.Skl_Lab.map((b, k) => (s.Skl_Kind[k].hidden ? null : textInput(w, 'Skl_Lab.' + k, b, s.Skl_Kind[k].t)));
    const fixed = s.Fix_Lab.map((b, k) => textInput(w, 'Fix_Lab.' + k, b, s.Fix_Kind[k].t));
    return {
      parts: [label(s.Name_lab, 'name', 'h2'), select, el('div', { class: 'fields' }, ...skills), el('div', { class: 'fields' }, ...fixed),
        label(s.Hlp, 'hint'), row(button(w, 'cmdEdit', s.cmdEdit, 'cmd'), button(w, 'cmdInit', s.cmdInit, 'cmd'), spacer(), button(w, 'Command1', s.Command1, 'cmd'))],
      hoverBack: s.Hlp.t !== '',
    };
  };

  screens.CommentEditor = (w, s) => {
    const area = el('textarea', {
      'data-key': 'Txt_cmt', 'aria-label': s.Name_lab.t, rows: '8', disabled: !!s.Txt_cmt.disabled, readonly: !!s.Txt_cmt.locked,
      oninput: (ev) => post(w, 'Txt_cmt', 0, 'text', ev.target.value),
      onkeydown: (ev) => { if (ev.key === 'Enter' && ev.ctrlKey) { ev.preventDefault(); post(w, 'Txt_cmt', 0, 'store'); } },
    });
    area.value = s.Txt_cmt.t;
    return { parts: [label(s.Name_lab, 'name', 'h2'), area, row(spacer(), button(w, 'Command1.1', s.Command1[1], 'cmd'), button(w, 'Command1.0', s.Command1[0], 'cmd'))] };
  };

  const LINE_COLOURS = ['#1f77b4', '#d62728', '#2ca02c', '#ff7f0e', '#9467bd', '#8c564b', '#e377c2', '#7f7f7f', '#bcbd22', '#17becf',
    '#393b79', '#ad494a', '#637939', '#e7969c', '#843c39', '#5254a3', '#8ca252', '#bd9e39', '#7b4173', '#3182bd'];

  function niceStep(span) {
    const raw = span / 5;
    const power = Math.pow(10, Math.floor(Math.log10(raw || 1)));
    for (const m of [1, 2, 5, 10]) if (raw <= m * power) return m * power;
    return 10 * power;
  }

  function chart(s) {
    const NS = 'http://www.w3.org/2000/svg';
    const svg = (tag, attrs, text) => {
      const e = document.createElementNS(NS, tag);
      for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
      if (text !== undefined) e.textContent = text;
      return e;
    };
    const W = 720, H = 380, L = 64, R = 16, T = 16, B = 44;
    const first = s.firstYear, last = Math.max(s.lastYear, first + 1);
    let top = 0, bottom = 0;
    for (const line of s.series) for (const [, v] of line.points) { top = Math.max(top, v); bottom = Math.min(bottom, v); }
    if (top <= bottom) top = bottom + 1;
    const step = niceStep(top - bottom);
    top = Math.ceil(top / step) * step;
    bottom = Math.floor(bottom / step) * step;
    const x = (year) => L + (year - first) / (last - first) * (W - L - R);
    const y = (v) => T + (top - v) / (top - bottom) * (H - T - B);
    const root = svg('svg', { viewBox: `0 0 ${W} ${H}`, class: 'chart', role: 'img', 'aria-label': s.Lab_axis.t });
    for (let v = bottom; v <= top + step / 2; v += step) {
      root.append(svg('line', { x1: L, x2: W - R, y1: y(v), y2: y(v), class: 'grid' }));
      root.append(svg('text', { x: L - 6, y: y(v) + 4, 'text-anchor': 'end', class: 'tick' }, String(Math.round(v))));
    }
    const yearStep = Math.max(1, Math.ceil((last - first) / 10));
    for (let yr = first; yr <= last; yr += yearStep) {
      root.append(svg('text', { x: x(yr), y: H - B + 18, 'text-anchor': 'middle', class: 'tick' }, String(yr)));
    }
    root.append(svg('text', { x: (L + W - R) / 2, y: H - 6, 'text-anchor': 'middle', class: 'axis' }, s.yearTitle));
    root.append(svg('text', { x: 14, y: (T + H - B) / 2, transform: `rotate(-90 14 ${(T + H - B) / 2})`, 'text-anchor': 'middle', class: 'axis' }, s.Lab_axis.t));
    root.append(svg('rect', { x: L, y: T, width: W - L - R, height: H - T - B, class: 'frame' }));
    s.series.forEach((line, i) => {
      const colour = LINE_COLOURS[i % LINE_COLOURS.length];
      const width = line.player ? 4.5 : 1.8;
      if (line.points.length === 1) {
        const [yr, v] = line.points[0];
        root.append(svg('circle', { cx: x(yr), cy: y(v), r: 4, fill: colour }));
      } else {
        const d = line.points.map(([yr, v], j) => `${j ? 'L' : 'M'}${x(yr).toFixed(1)},${y(v).toFixed(1)}`).join('');
        root.append(svg('path', { d, stroke: colour, 'stroke-width': width, fill: 'none' }));
      }
    });
    const legend = el('ul', { class: 'legend' }, ...s.series.map((line, i) => el('li', { class: line.player ? 'player' : '' },
      el('span', { class: 'swatch', style: `background:${LINE_COLOURS[i % LINE_COLOURS.length]}`, 'aria-hidden': 'true' }),
      document.createTextNode(line.name))));
    return el('figure', { class: 'chart-box' }, root, legend);
  }

  screens.HistoryCharts = (w, s) => {
    const drawn = s.Lab_msg.hidden;
    const tabs = el('div', { role: 'tablist', class: 'tabs', 'aria-label': s.Lab_axis.t }, ...s.Tab.map((t, i) => el('button', {
      type: 'button', role: 'tab', 'aria-selected': s.figure === i ? 'true' : 'false', 'data-key': 'Tab.' + i, disabled: !drawn,
      text: t.t, onclick: () => post(w, 'Tab.' + i, 0, 'click'),
    })));
    return { parts: [tabs, drawn ? chart(s) : label(s.Lab_msg, 'message pre', 'p'), row(spacer(), button(w, 'cmdClose', s.cmdClose, 'cmd'))] };
  };

  // ---- the page's own commands: keeping slots as files ------------------------------------
  function slotTools() {
    if (!texts.slotTools) return null;
    const number = el('input', { id: 'slot-number', type: 'text', inputmode: 'numeric', pattern: '[0-9]*', size: '4', value: '1', 'data-key': 'slot-number' });
    const file = el('input', { id: 'slot-file', type: 'file', 'data-key': 'slot-file', accept: '.velkaro,application/octet-stream' });
    // The number and the file are read when pressed: the fields are kept over redraws.
    const typed = () => document.getElementById('slot-number').value.trim();
    const doExport = el('button', { type: 'button', class: 'cmd', 'data-key': 'slot-export', text: texts.export,
      onclick: () => post(0, 'export', 0, 'click', typed()) });
    const doImport = el('button', { type: 'button', class: 'cmd', 'data-key': 'slot-import', text: texts.import,
      onclick: async () => {
        const picked = document.getElementById('slot-file');
        const chosen = picked.files && picked.files[0];
        V.chosen = chosen ? new Uint8Array(await chosen.arrayBuffer()) : null;
        post(0, 'import', 0, 'click', typed());
      } });
    const details = el('details', { class: 'slot-tools', 'data-key': 'slot-tools' },
      el('summary', { text: texts.slotTools }),
      el('div', { class: 'row' }, el('label', { for: 'slot-number', text: texts.slotNumber }), number, doExport),
      el('div', { class: 'row' }, file, doImport));
    if (V.slotToolsOpen) details.open = true;
    details.addEventListener('toggle', () => { V.slotToolsOpen = details.open; });
    return details;
  }

  // ---- drawing -------------------------------------------------------------------------
  function isBase(win) { return win.screen === 'TitleScreen' || win.screen === 'MainScreen'; }

  function remember() {
    const a = document.activeElement;
    const memo = { scroll: new Map(), inputs: new Map() };
    if (a && a !== document.body && desk.contains(a)) {
      const win = a.closest('[data-window]');
      memo.focusWindow = win && win.dataset.window;
      memo.focusKey = a.dataset.key;
      if (a.selectionStart !== undefined && a.selectionStart !== null) memo.selection = [a.selectionStart, a.selectionEnd];
    }
    desk.querySelectorAll('[data-window] [data-key]').forEach((e) => {
      const id = e.closest('[data-window]').dataset.window + ':' + e.dataset.key;
      if (e.scrollTop) memo.scroll.set(id, [e.scrollTop, e.dataset.page]);
      if (e.type === 'file' || e.id === 'slot-number') memo.inputs.set(e.dataset.key, e);
    });
    return memo;
  }

  function restore(memo, fresh) {
    desk.querySelectorAll('[data-window] [data-key]').forEach((e) => {
      const id = e.closest('[data-window]').dataset.window + ':' + e.dataset.key;
      const kept = memo.scroll.get(id);
      // A new page of text starts at its top.
      if (kept && kept[1] === e.dataset.page) e.scrollTop = kept[0];
      const old = memo.inputs.get(e.dataset.key);
      if (old && old !== e) e.replaceWith(old);
    });
    let target = null;
    if (memo.focusKey) {
      target = desk.querySelector(`[data-window="${memo.focusWindow}"] [data-key="${CSS.escape(memo.focusKey)}"]`);
      if (target && (target.disabled || target.closest('[inert]'))) target = null;
    }
    if (fresh) {
      const win = desk.querySelector(`[data-window="${fresh.id}"]`);
      const wanted = fresh.state.focus && win.querySelector(`[data-key="${CSS.escape(fresh.state.focus)}"]`);
      target = wanted || win.querySelector('button.splash, [role=listbox], button:not([disabled]), input, textarea, select, [tabindex="0"]');
    }
    if (!target && !memo.focusKey) {
      const top = [...desk.querySelectorAll('[data-window]:not([inert])')].pop();
      if (top && !top.contains(document.activeElement)) {
        target = top.querySelector('[role=listbox], button:not([disabled]), [tabindex="0"]');
      }
    }
    if (target) {
      target.focus({ preventScroll: !fresh });
      if (memo.selection && target.setSelectionRange && !fresh) {
        try { target.setSelectionRange(memo.selection[0], memo.selection[1]); } catch (e) { /* not a text field */ }
      }
    }
  }

  function drawWindow(win, base) {
    const made = (screens[win.screen] || (() => ({ parts: [] })))(win.id, win.state);
    const overlay = !base;
    const section = el('section', {
      class: `window ${win.screen}${overlay ? ' overlay' : ' base'}${win.modal ? ' modal' : ''}`,
      'data-window': String(win.id), 'data-screen': win.screen, 'aria-label': win.caption || texts.gameTitle,
      role: overlay ? 'dialog' : null, 'aria-modal': overlay && win.modal ? 'true' : null,
    });
    section.append(el(overlay ? 'h1' : 'h1', { class: overlay ? 'caption' : 'caption hidden-caption', text: win.caption || texts.gameTitle }));
    const inner = el('div', { class: 'window-body' }, ...made.parts);
    section.append(inner);
    section.addEventListener('mousemove', (ev) => {
      if (ev.target.closest('[role=listbox], .comment')) return;
      if (made.hoverBack) hover(win.id, 'Back');
      else lastHover = win.id + ':Back';
    });
    section.velkaroKeys = !!made.keys;
    return section;
  }

  let lastJson = '';
  V.draw = (json) => {
    // A timer that changed nothing leaves the page as it is: the focus, the pointer and a
    // screen reader's place stay where they are.
    if (json === lastJson) return;
    lastJson = json;
    state = JSON.parse(json);
    if (V.timings.firstDraw === undefined) V.timings.firstDraw = performance.now();
    V.timings.lastDraw = performance.now();
    V.draws = (V.draws || 0) + 1;
    if (!V.timings.resolutionShown && state.windows.some((w) => w.screen === 'ResolutionScreen')) {
      V.timings.resolutionShown = performance.now();
    }
    if (!state.windows.some((w) => w.screen === 'ResolutionScreen')) V.timings.resolutionShown = 0;
    const memo = remember();
    let fresh = null;
    const windows = state.windows;
    let baseIndex = -1;
    windows.forEach((w, i) => { if (isBase(w)) baseIndex = i; });
    let topModal = -1;
    windows.forEach((w, i) => { if (w.modal) topModal = i; });
    const sections = [];
    windows.forEach((w, i) => {
      if (isBase(w) && i !== baseIndex) return;  // the title and the main window replace each other
      const section = drawWindow(w, i === baseIndex);
      if (i < topModal) section.inert = true;
      if (w.modal && i === topModal) sections.push(el('div', { class: 'backdrop', 'aria-hidden': 'true' }));
      sections.push(section);
      if (!seenWindows.has(w.id)) {
        seenWindows.add(w.id);
        fresh = w;
      }
    });
    // A modeless window over the base one leaves it usable; on a narrow screen it covers it.
    desk.replaceChildren(...sections);
    desk.classList.toggle('has-overlay', windows.some((w, i) => i !== baseIndex && !isBase(w)));
    restore(memo, fresh);
    rollCredits();
    if (state.statusSerial !== shownStatus) {
      shownStatus = state.statusSerial;
      statusLine.textContent = state.status;
      clearTimeout(statusTimer);
      statusTimer = setTimeout(() => { statusLine.textContent = ''; }, 10000);
    }
  };

  function rollCredits() {
    const panel = desk.querySelector('.narration.credits');
    clearInterval(creditsTimer);
    if (!panel) return;
    creditsTimer = setInterval(() => {
      if (!panel.isConnected || panel.scrollTop + panel.clientHeight >= panel.scrollHeight) {
        clearInterval(creditsTimer);
        return;
      }
      panel.scrollTop += 2;
    }, 30);
  }

  function topWindow() {
    const open = [...desk.querySelectorAll('[data-window]:not([inert])')];
    const a = document.activeElement;
    const focused = a && a.closest && a.closest('[data-window]');
    if (focused && !focused.inert) return focused;
    return open.pop();
  }

  document.addEventListener('keydown', (ev) => {
    if (boxOpen) return;
    const win = topWindow();
    if (!win) return;
    const id = Number(win.dataset.window);
    const inText = ev.target.matches && ev.target.matches('input, textarea, select');
    if (ev.key === 'Escape') {
      ev.preventDefault();
      post(id, '', 0, 'escape');
      return;
    }
    if (win.dataset.screen === 'MainScreen' && ev.ctrlKey && (ev.key === 's' || ev.key === 'l')) {
      ev.preventDefault();
      post(id, ev.key === 's' ? 'menu.save' : 'menu.load', 0, 'click');
      return;
    }
    if (win.dataset.screen === 'TitleScreen' && (ev.key === 'Enter' || ev.key === ' ') && desk.querySelector('.splash') &&
        document.activeElement === desk.querySelector('.splash')) {
      return;  // the splash button takes it
    }
    if (!win.velkaroKeys || inText || ev.ctrlKey || ev.altKey || ev.metaKey) return;
    const onButton = ev.target.matches && ev.target.matches('button, summary');
    const paging = ['PageUp', 'PageDown', 'End', 'Home'];
    if (paging.includes(ev.key) || (ev.key === 'Enter' && !onButton) ||
        (win.dataset.screen === 'SaveLoadScreen' && (/^[0-9]$/.test(ev.key) || ev.key === 'Backspace' || ev.key === 'Delete'))) {
      ev.preventDefault();
      post(id, '', 0, 'key', ev.key);
    }
  });

  // ---- message boxes: an in-page dialog, answered before the program goes on -------------
  V.ask = (json) => new Promise((resolve) => {
    const q = JSON.parse(json);
    boxOpen = true;
    document.getElementById('box-title').textContent = q.title;
    document.getElementById('box-prompt').textContent = q.prompt;
    box.dataset.icon = q.icon;
    const buttons = document.getElementById('box-buttons');
    let answered = false;
    const answer = (i) => {
      if (answered) return;
      answered = true;
      boxOpen = false;
      V.timings.lastAnswer = performance.now();
      box.close();
      resolve(i);
    };
    buttons.replaceChildren(...q.buttons.map((caption, i) => el('button', {
      type: 'button', class: 'cmd', text: caption, 'data-answer': String(i), onclick: () => answer(i),
    })));
    box.oncancel = (ev) => {
      ev.preventDefault();
      answer(q.escape);
    };
    box.showModal();
    buttons.children[q.default].focus();
    V.timings.lastAsk = performance.now();
  });

  // ---- files, storage and the end --------------------------------------------------------
  V.offer = (name, bytes) => {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const a = el('a', { href: url, download: name });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    V.lastOffer = { name, bytes };
  };

  V.introduce = (json) => {
    texts = JSON.parse(json);
    document.title = texts.gameTitle;
    if (!window.indexedDB) {
      notice.textContent = texts.noStorage;
      return;
    }
    if (navigator.storage && navigator.storage.persist) {
      navigator.storage.persisted()
        .then((already) => already || navigator.storage.persist())
        .then((kept) => { notice.textContent = kept ? texts.kept : texts.mayBeCleared; })
        .catch(() => { notice.textContent = texts.mayBeCleared; });
    } else {
      notice.textContent = texts.mayBeCleared;
    }
  };

  V.ended = () => {
    state = { windows: [], unsaved: false };
    desk.replaceChildren(el('section', { class: 'window base ended' },
      el('h1', { class: 'caption', text: texts.gameTitle }), el('p', { text: texts.ended }),
      el('button', { type: 'button', class: 'cmd', text: texts.again, onclick: () => location.reload() })));
    desk.querySelector('button').focus();
  };

  window.addEventListener('beforeunload', (ev) => {
    if (!state.unsaved) return;
    ev.preventDefault();
    ev.returnValue = '';
  });

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
}());
