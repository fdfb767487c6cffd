#pragma once

// brenak-cli run as a script runs it, for the tests of its subcommands.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
  int status = -1;
  QByteArray out;
  QByteArray err;

  QJsonObject Controls() const { return QJsonDocument::fromJson(out).object()[QStringLiteral("controls")].toObject(); }
  QString Text(const char* control) const { return Controls()[QLatin1String(control)].toObject()["text"].toString(); }
};

inline CliRun RunCli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(BRENAK_CLI), args);
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

inline QString CasePath(const QString& name) { return QStringLiteral(BRENAK_CASES_DIR "/") + name; }
