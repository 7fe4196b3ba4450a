// Tells the shop that this page has been painted (used by the demo's
// screenshot and visit statistics), then nothing more.
window.addEventListener("load", function () {
  requestAnimationFrame(function () {
    requestAnimationFrame(function () {
      new Image().src = "/ping?page=" + encodeURIComponent(location.pathname);
    });
  });
});
