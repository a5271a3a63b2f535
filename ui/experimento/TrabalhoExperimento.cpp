#include "TrabalhoExperimento.h"

#include "Experimento.h"

#include <QMetaObject>

#include <utility>

TTrabalhoExperimento::TTrabalhoExperimento(QObject* parent) : QObject(parent) {}

TTrabalhoExperimento::~TTrabalhoExperimento() {
    Cancelar = true;
    Espera();
}

void TTrabalhoExperimento::Inicia(const TConfiguracao& c, int repeticoes, std::uint32_t semente,
                                  int tarefas) {
    Espera();
    Cancelar = false;
    FeitasAgora = 0;
    Conclusao = {};
    TPlanoExperimento plano;
    plano.Configuracoes = {c};
    plano.Execucoes = repeticoes;
    plano.SementeBase = semente;
    plano.Tarefas = tarefas;
    plano.GuardaTrajetorias = true;
    Linha = std::thread([this, plano = std::move(plano)] {
        std::string erro;
        try {
            ExecutaExperimento(
                plano,
                [this](TResultadoExecucao&& r) {
                    const std::lock_guard trava(Mutex);
                    Conclusao.Resultados.push_back(std::move(r));
                    ++FeitasAgora;
                },
                Cancelar);
        } catch (const std::exception& e) {
            erro = e.what();  // the runs done so far stay
        } catch (...) {
            erro = "erro desconhecido";
        }
        const std::lock_guard trava(Mutex);
        Conclusao.Erro = erro;
        std::vector<std::vector<TPontoGeracao>> trajetorias;
        trajetorias.reserve(Conclusao.Resultados.size());
        for (TResultadoExecucao& r : Conclusao.Resultados)
            trajetorias.push_back(std::move(r.Trajetoria));
        Conclusao.Curva = CalculaCurva(trajetorias);
        QMetaObject::invokeMethod(this, &TTrabalhoExperimento::Concluido, Qt::QueuedConnection);
    });
}

void TTrabalhoExperimento::Cancela() {
    Cancelar = true;
}

TConclusaoExperimento TTrabalhoExperimento::Toma() {
    Espera();
    const std::lock_guard trava(Mutex);
    return std::exchange(Conclusao, {});
}

void TTrabalhoExperimento::Espera() {
    if (Linha.joinable())
        Linha.join();
}
