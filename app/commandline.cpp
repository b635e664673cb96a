// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

QString scheduleFileFromCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Edits a shortwave broadcast listening schedule for Orvane and Pelkin."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Schedule file to load at start, as Load does."),
                                 QStringLiteral("[FILE]"));
    parser.process(arguments);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: only one schedule file can be loaded at start\n",
                     qPrintable(QCoreApplication::applicationName()));
        std::exit(1);
    }
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}
