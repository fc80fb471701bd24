// Follows the clock over its live socket; written for old browsers too (no build step, ES5).
var Live = (function () {
  var key = (/[?&]key=([0-9a-f]+)/.exec(location.search) || [])[1] || '';
  var socket = null, status = null, onStatus = null, onResult = null, local = null, wait = 1000, shown = false;

  function pad(n) { return (n < 10 ? '0' : '') + n; }

  function clockText(h, m, s, withHours) { return withHours ? h + ':' + pad(m) + ':' + pad(s) : m + ':' + pad(s); }

  // The line as the clock view shows it: "4:38", "12:30", "1:02:03" from the digits as shown,
  // with hours when the allowance has them, or always when asked; "+0:42" past the end.
  function format(s) {
    var view = s.view || {}, o = view.overtimeSeconds, h;
    if (o !== null && o !== undefined) {
      o = Math.max(0, o);
      h = Math.floor(o / 3600);
      return '+' + clockText(h, Math.floor(o / 60) % 60, o % 60, view.alwaysShowHours || h > 0);
    }
    var p = (s.display || '').split(' ');
    h = parseInt(p[0], 10) || 0;
    return clockText(h, parseInt(p[1], 10) || 0, parseInt(p[2], 10) || 0,
                     view.alwaysShowHours || h > 0 || s.allowanceSeconds >= 3600);
  }

  // The longest line of this count, every digit a zero: the size of the digits stays put.
  function shape(s, text) {
    var a = Math.max(0, s.allowanceSeconds), view = s.view || {};
    var longest = clockText(Math.floor(a / 3600), Math.floor(a / 60) % 60, a % 60,
                            view.alwaysShowHours || a >= 3600 || text.split(':').length > 2);
    if (text.charAt(0) === '+' || longest.length < text.length) longest = text;
    return longest.replace(/[0-9]/g, '0');
  }

  function fields(seconds) {
    return pad(Math.floor(seconds / 3600)) + ' ' + pad(Math.floor(seconds / 60) % 60) + ' ' + pad(seconds % 60);
  }

  function setOffline(offline) {
    var dot = document.getElementById('offline');
    if (dot) dot.style.display = offline ? 'block' : 'none';
  }

  // While the socket is down the page counts on from what it last heard.
  function countLocally() {
    if (!status) return;
    var view = status.view || {};
    if (view.overtimeSeconds !== null && view.overtimeSeconds !== undefined) {
      view.overtimeSeconds += 1;
    } else if (!status.running || status.expired) {
      return;
    } else if (status.countingDown) {
      status.remainingSeconds = Math.max(0, status.remainingSeconds - 1);
      if (status.remainingSeconds === 0 && status.allowanceSeconds > 0) status.expired = true;
    } else {
      status.remainingSeconds += 1;
    }
    status.display = fields(status.remainingSeconds);
    if (onStatus) onStatus(status);
  }

  function connect() {
    socket = new WebSocket('ws://' + location.host + '/api/v1/live?key=' + key);
    socket.onopen = function () {
      wait = 1000;
      if (local) { clearInterval(local); local = null; }
      setOffline(false);
    };
    socket.onmessage = function (event) {
      var message;
      try { message = JSON.parse(event.data); } catch (e) { return; }
      if (message.type === 'status') {
        status = message.status;
        if (onStatus) onStatus(status);
        // When the page first showed the clock, for whoever measures it.
        if (!shown && window.performance && performance.mark) performance.mark('first-digits');
        shown = true;
      } else if (message.type === 'result' && onResult) {
        onResult(message);
      }
    };
    socket.onclose = function () {
      socket = null;
      setOffline(true);
      if (!local) local = setInterval(countLocally, 1000);
      // The first try within a second, then up to twice as long each time, 30 s at most:
      // jittered, so that screens do not all come back in the same instant.
      setTimeout(connect, wait / 2 + Math.random() * wait / 2);
      wait = Math.min(wait * 2, 30000);
    };
  }

  function send(command) {
    if (socket && socket.readyState === 1) { socket.send(JSON.stringify(command)); return true; }
    return false;
  }

  // A tap makes the page full screen, and the screen is kept awake where the browser allows it.
  function stayAwakeAndFull() {
    var lock = function () {
      if (navigator.wakeLock && navigator.wakeLock.request) navigator.wakeLock.request('screen')['catch'](function () {});
    };
    lock();
    document.addEventListener('visibilitychange', function () { if (!document.hidden) lock(); });
    document.addEventListener('click', function (event) {
      var tag = event.target && event.target.tagName;
      if (tag === 'BUTTON' || tag === 'INPUT') return;
      var root = document.documentElement;
      var full = root.requestFullscreen || root.webkitRequestFullscreen;
      if (full && !(document.fullscreenElement || document.webkitFullscreenElement)) full.call(root);
      lock();
    });
  }

  // The largest font size at which `text` (by default the element's own) fits `width` by
  // `height` pixels; `ink`, when given, is the share of the font size its letters stand, else the
  // whole line's height counts. Measured on a ruler of the element's font, so that the element's
  // own box, however wide, does not count.
  var ruler = null;
  function fit(element, width, height, text, ink) {
    if (!ruler) {
      ruler = document.createElement('span');
      ruler.style.cssText = 'position:absolute;left:0;top:0;visibility:hidden;white-space:nowrap';
      document.body.appendChild(ruler);
    }
    var style = window.getComputedStyle(element);
    ruler.style.fontFamily = style.fontFamily;
    ruler.style.fontWeight = style.fontWeight;
    ruler.style.fontVariantNumeric = style.fontVariantNumeric || '';
    ruler.style.fontSize = '100px';
    ruler.textContent = text || element.textContent;
    var tall = ink ? ink * 100 : ruler.offsetHeight;
    var scale = Math.min(width / Math.max(1, ruler.offsetWidth), height / Math.max(1, tall));
    element.style.fontSize = Math.max(1, Math.floor(100 * scale)) + 'px';
  }

  return {
    start: function (statusHandler, resultHandler) {
      onStatus = statusHandler;
      onResult = resultHandler;
      stayAwakeAndFull();
      connect();
    },
    send: send,
    format: format,
    shape: shape,
    fit: fit,
    pad: pad
  };
})();
