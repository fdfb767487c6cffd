// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// brenak-cli run as a script runs it, for the tests of its subcommands.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun {
  int status = -1;
  QByteArray out;
  QByteArray err;

  QJsonObject Controls() const { return QJsonDocument::fromJson(out).object()[QStringLiteral("controls")].toObject(); }
  QString Text(const char* control) const { return Controls()[QLatin1String(control)].toObject()["text"].toString(); }
};

// A program run to its end as a script runs it; a run that does not end
// within a minute is killed and has status -1.
inline CliRun RunProgram(const QString& program, const QStringList& args,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, args);
  CliRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

#ifdef BRENAK_CLI
// `locale`, when given, is the LANG and LC_ALL the tool runs under.
inline CliRun RunCli(const QStringList& args, const QString& locale = QString()) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!locale.isEmpty()) {
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
  }
  return RunProgram(QStringLiteral(BRENAK_CLI), args, environment);
}
#endif

#ifdef BRENAK_CASES_DIR
inline QString CasePath(const QString& name) { return QStringLiteral(BRENAK_CASES_DIR "/") + name; }
#endif
