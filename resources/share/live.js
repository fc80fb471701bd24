// Follows the clock over its live socket; written for old browsers too (no build step, ES5).
var Live = (function () {
  var key = (/[?&]key=([0-9a-f]+)/.exec(location.search) || [])[1] || '';
  var socket = null, status = null, onStatus = null, onResult = null, local = null, wait = 500;

  function pad(n) { return (n < 10 ? '0' : '') + n; }

  // "M:SS", "MM:SS" or "H:MM:SS", with hours when the allowance has them.
  function format(s) {
    var seconds = Math.max(0, s.remainingSeconds), h = Math.floor(seconds / 3600);
    var m = Math.floor(seconds / 60) % 60, rest = seconds % 60;
    if (h > 0 || s.allowanceSeconds >= 3600) return h + ':' + pad(m) + ':' + pad(rest);
    return m + ':' + pad(rest);
  }

  function setOffline(offline) {
    var dot = document.getElementById('offline');
    if (dot) dot.style.display = offline ? 'block' : 'none';
  }

  // While the socket is down the page counts on from what it last heard.
  function countLocally() {
    if (!status || !status.running || status.expired) return;
    if (status.countingDown) {
      status.remainingSeconds = Math.max(0, status.remainingSeconds - 1);
      if (status.remainingSeconds === 0 && status.allowanceSeconds > 0) status.expired = true;
    } else {
      status.remainingSeconds += 1;
    }
    if (onStatus) onStatus(status);
  }

  function connect() {
    socket = new WebSocket('ws://' + location.host + '/api/v1/live?key=' + key);
    socket.onopen = function () {
      wait = 500;
      if (local) { clearInterval(local); local = null; }
      setOffline(false);
    };
    socket.onmessage = function (event) {
      var message;
      try { message = JSON.parse(event.data); } catch (e) { return; }
      if (message.type === 'status') {
        status = message.status;
        if (onStatus) onStatus(status);
      } else if (message.type === 'result' && onResult) {
        onResult(message);
      }
    };
    socket.onclose = function () {
      socket = null;
      setOffline(true);
      if (!local) local = setInterval(countLocally, 1000);
      // Between 0.5 and 30 s, doubled each time and jittered, so that screens do not all
      // come back in the same instant.
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

  // The largest font size at which `element`'s text fits `width` by `height` pixels.
  function fit(element, width, height) {
    element.style.fontSize = '100px';
    var scale = Math.min(width / Math.max(1, element.scrollWidth), height / Math.max(1, element.scrollHeight));
    element.style.fontSize = Math.floor(100 * scale) + 'px';
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
    fit: fit,
    pad: pad
  };
})();
