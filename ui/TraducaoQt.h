#pragma once

class QCoreApplication;

/// Qt's own texts (message-box buttons, the file dialog, the context menus of text boxes) in
/// Brazilian Portuguese, like the rest of the window, whatever the user's locale: loads Qt's
/// translation for pt_BR, if installed. The window's designed texts are its own and stay.
/// Returns whether the translation was found.
bool InstalaTraducaoQt(QCoreApplication& aplicacao);
