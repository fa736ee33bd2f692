#include "app/CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/QtRussian.h"
#include "base/FileName.h"

namespace {

// The options the game knows, on a parser made for one reading.
struct TParser {
    QCommandLineParser Parser;
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Показать эту справку и выйти.")};
    QCommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать версию игры и выйти.")};
    TParser()
    {
        Parser.setApplicationDescription(
            QStringLiteral("Пазл: соберите картинку из фигурных кусочков."));
        Parser.addOption(Help);
        Parser.addOption(Version);
        Parser.addPositionalArgument(QStringLiteral("файл"),
                                     QStringLiteral("Сохранённая игра (.jgy), открываемая при запуске."),
                                     QStringLiteral("[файл]"));
    }
};

// The arguments after the program's name, decoded byte for byte so that a
// saved game whose name is not UTF-8 still opens.
QStringList DecodedArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << DecodeFileName(QByteArray(argv[i]));
    return args;
}

void Print(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

// What Qt says while the window system is being opened: held back, so that
// a failure is told in one sentence of our own and a success passes it on.
struct THeldMessage {
    QtMsgType Type;
    QByteArray File, Function, Category;
    int Line;
    QString Text;
};
std::vector<THeldMessage> g_held;

void HoldMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // The only fatal error while opening is that no window system answered.
        Print(stderr, NoDisplayMessage(qEnvironmentVariable("DISPLAY")) + QLatin1Char('\n'));
        std::_Exit(1);
    }
    g_held.push_back({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

bool AnswerWithoutDisplay(int argc, char **argv)
{
    TParser p;
    // Qt's own options (-platform, -display ...) are still on the line here
    // and unknown to this parser; only the two answers matter now.
    p.Parser.parse(DecodedArguments(argc, argv));
    const bool help = p.Parser.isSet(p.Help);
    if (!help && !p.Parser.isSet(p.Version))
        return false;
    // helpText() names the program from the application object; one without
    // a window system does.
    QCoreApplication core(argc, argv);
    InstallQtRussian(core);
    if (help)
        Print(stdout, p.Parser.helpText());
    else
        Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    return true;
}

bool GameFromCommandLine(int argc, char **argv, QString &game, QString &error)
{
    TParser p;
    if (!p.Parser.parse(DecodedArguments(argc, argv))) {
        error = QStringLiteral("Jigsy: неизвестный параметр «%1». Справка: jigsy --help")
                    .arg(p.Parser.unknownOptionNames().value(0));
        return false;
    }
    game = p.Parser.positionalArguments().join(QLatin1Char(' '));
    return true;
}

QString NoDisplayMessage(const QString &display)
{
    const QString where = display.isEmpty()
                              ? QStringLiteral("переменная DISPLAY не задана")
                              : QStringLiteral("дисплей «%1» не отвечает").arg(display);
    return QStringLiteral("Jigsy: не удалось открыть окно игры — нет графического дисплея (%1). "
                          "Запустите игру в графическом сеансе (X11 или Wayland).")
        .arg(where);
}

std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv)
{
    g_held.clear();
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const THeldMessage &m : g_held) {
        const QMessageLogContext context(m.File.constData(), m.Line, m.Function.constData(),
                                         m.Category.constData());
        qt_message_output(m.Type, context, m.Text);
    }
    g_held.clear();
    return app;
}
