#pragma once

// Makes ready what Qt WebEngine expects to find when its library is loaded:
// the OpenGL context its views share with, and quiet start-up reports. Called
// right before the browser module is loaded.
void prepareForWebEngine();
