#pragma once

#include <cstdint>
#include <string>

/// The owner of a run: the window or the command line. The engine reaches it only through
/// this interface, so the same run loop serves both.
///
/// The three switches and the tournament size are read from the owner each time the engine
/// needs them, as the window's controls are; a run processes no user input, so they stay
/// constant during it.
class TDonoMotor {
public:
    virtual ~TDonoMotor() = default;

    /// `pcTipoAG`: parallel mode, x and y evolving as two half-chromosome populations.
    [[nodiscard]] virtual bool AGParalelo() const = 0;
    /// `pcElite`: elitism.
    [[nodiscard]] virtual bool UsaElitismo() const = 0;
    /// `pcEscalonamento`: directed scaling of the selection fitness.
    [[nodiscard]] virtual bool UsaEscalonamento() const = 0;
    /// `pcQuantTorneio`: the tournament size, at least 1.
    [[nodiscard]] virtual int QuantTorneio() const = 0;

    /// The seed of a run: the time of day in UTC, in milliseconds since midnight.
    virtual std::uint32_t LeRelogio() = 0;

    /// Whether the owner keeps the report. A run for an owner that does not (an experiment's
    /// runs, the chart's series alone) builds no report line and makes no AdicionaLinha call.
    [[nodiscard]] virtual bool GuardaRelatorio() const { return true; }
    /// Empties the report (start of a run).
    virtual void LimpaRelatorio() = 0;
    /// Appends one whole line (UTF-8, no line break) to the report.
    virtual void AdicionaLinha(const std::string& linha) = 0;

    /// Empties the four chart series (start of a run).
    virtual void LimpaGrafico() = 0;
    /// After generation g: appends one point to each series, labelled g at x = g - 1, and
    /// repaints the chart at once.
    virtual void PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                              double media2) = 0;
    /// After generation g, once the chart is up to date: draws the surface view at once.
    virtual void Redesenha() = 0;
    /// After generation 0 has been evaluated and its line written, before the first step.
    /// The run draws nothing for it; an owner that keeps every generation takes it here.
    virtual void AvaliouGeracaoInicial() {}
};
