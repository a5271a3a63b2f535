#pragma once

// A run saved as a ".quivora" file: a comment line with the date and the program's version,
// then the quivora-run command that repeats the run.

#include <QString>

/// Writes the file; false, with the reason in `erro`, when it cannot be written.
bool GravaExecucao(const QString& caminho, const QString& comando, QString& erro);

/// The command the file holds, its one line that is neither blank nor a "#" comment; empty,
/// with the reason in `erro`, when it cannot be read or holds no such line or more than one.
QString LeExecucao(const QString& caminho, QString& erro);
