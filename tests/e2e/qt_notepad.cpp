// A Qt 6 text window for the end-to-end typing test: what is typed into it
// through the input method is written, as UTF-8, to the file named on the
// command line when the user presses Ctrl+S; the window then closes.
#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QPlainTextEdit editor;
    editor.setWindowTitle("orvik-e2e-qt");
    editor.resize(600, 200);
    QShortcut save(QKeySequence::Save, &editor);
    QObject::connect(&save, &QShortcut::activated, [&] {
        QFile file(out);
        if (!file.open(QIODevice::WriteOnly)) return app.exit(1);
        file.write(editor.toPlainText().toUtf8());
        app.quit();
    });
    editor.show();
    return app.exec();
}
