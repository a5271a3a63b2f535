#include "CenaVideo.h"

#include "ControleVista.h"
#include "GLPanel.h"
#include "Grafico.h"

QSize TamanhoProprio(const TCenaVideo& cena, TConteudoVideo conteudo) {
    switch (conteudo) {
        case TConteudoVideo::Vista:
            return cena.TamanhoVista;
        case TConteudoVideo::Grafico:
            return cena.TamanhoGrafico;
        case TConteudoVideo::Ambos:
            break;
    }
    return {cena.TamanhoVista.width() + cena.TamanhoGrafico.width(),
            std::max(cena.TamanhoVista.height(), cena.TamanhoGrafico.height())};
}

TCenaVideo CenaDaJanela(const TGeracoesGuardadas& geracoes, const std::string& separador,
                        const TControleVista& vista, const TGLPanel& painel,
                        const TChart& grafico) {
    TCenaVideo cena;
    cena.Geracoes.reserve(static_cast<std::size_t>(geracoes.Total()));
    for (int g = 0; g < geracoes.Total(); ++g) {
        // As the replay shows a kept generation: in the mode it was run in.
        const TPopulacaoRegistrada& populacao = geracoes.Geracao(g).Populacao;
        TGeracaoVideo& geracao = cena.Geracoes.emplace_back();
        MontaQuadroPopulacao(populacao, populacao.Paralelo, geracao.Quadro);
        geracao.Melhor = MelhorDe(populacao.Dados);
    }
    cena.Plano = vista.PlanoDaLista();
    cena.Vista = vista.Navegacao().Vista;
    cena.Separador = separador;
    cena.Grafico = std::make_unique<TGraficoForaDaTela>(grafico);
    cena.TamanhoVista = painel.size();
    cena.TamanhoGrafico = grafico.size();
    return cena;
}
