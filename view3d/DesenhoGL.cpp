#include "DesenhoGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

GLenum Primitiva(TTipoPlotagem tipo) {
    switch (tipo) {
        case TTipoPlotagem::PontosPequenos:
        case TTipoPlotagem::PontosGrandes:
            return GL_POINTS;
        case TTipoPlotagem::Tracos:
            return GL_LINES;
        case TTipoPlotagem::Linhas:
            return GL_LINE_STRIP;
    }
    return GL_LINE_STRIP;
}

void Ponto(const TPontoModelo& p) {
    glVertex3f(p.X, p.Y, p.Z);
}

// Simple mode: every individual lies on the surface, in the green already set, with the
// normal the surface list left behind. Parallel mode: the x half in orange, the y half in
// green, each against the other population's best coordinate.
void DesenhaPopulacao(const TQuadroPopulacao& quadro, float escala) {
    glColor3f(0.0f, 1.0f, 0.0f);
    glPointSize(4.0f * escala);
    for (const TIndividuoQuadro& ind : quadro.Individuos) {
        glBegin(GL_POINTS);
        if (quadro.Paralelo) {
            glColor3f(0.9f, 0.5f, 0.0f);
            glNormal3f(0.0f, 0.0f, 1.0f);
            Ponto(ind.Ponto);
            glColor3f(0.0f, 1.0f, 0.0f);
            glNormal3f(0.0f, 0.0f, 1.0f);
            Ponto(ind.PontoY);
        } else {
            Ponto(ind.Ponto);
        }
        glEnd();
    }
}

// The best point of the generation: yellow in simple mode; in parallel mode green, with a
// larger second point at the height of population Y's best.
void DesenhaMelhor(const TQuadroPopulacao& quadro, float escala) {
    if (quadro.Paralelo)
        glColor3f(0.0f, 1.0f, 0.0f);
    else
        glColor3f(1.0f, 1.0f, 0.0f);
    glPointSize(6.0f * escala);
    glBegin(GL_POINTS);
    glNormal3f(1.0f, 0.5f, 0.0f);
    Ponto(quadro.Melhor1);
    glEnd();

    if (quadro.Paralelo) {
        glPointSize(8.0f * escala);
        glColor3f(0.0f, 1.0f, 0.0f);
        glBegin(GL_POINTS);
        glNormal3f(0.0f, 0.0f, 1.0f);
        Ponto(quadro.Melhor2);
        glEnd();
    }
}

}  // namespace

void IniciaLuzes() {
    static const GLfloat ambiente0[] = {1.0f, 1.0f, 1.0f, 1.0f};
    static const GLfloat difusa1[] = {0.8f, 0.8f, 0.8f, 1.0f};
    static const GLfloat especular2[] = {0.6f, 0.6f, 0.6f, 1.0f};

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambiente0);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, difusa1);
    glLightfv(GL_LIGHT2, GL_SPECULAR, especular2);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHT2);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
}

void CompilaListaSuperficie(const TPlanoSuperficie& plano, float escala) {
    const GLenum primitiva = Primitiva(plano.Tipo);
    const float tamanho = TamanhoPonto(plano.Tipo) * escala;

    glNewList(ListaSuperficie, GL_COMPILE);
    // The line types draw one logical pixel wide.
    if (tamanho == 0.0f)
        glLineWidth(escala);
    for (const TFileiraSuperficie& fileira : plano.Fileiras) {
        if (tamanho > 0.0f)
            glPointSize(tamanho);
        glBegin(primitiva);
        for (const TVerticeSuperficie& v : fileira.Vertices) {
            glColor3d(v.Cor.R, v.Cor.G, v.Cor.B);
            glNormal3d(0.0, 0.0, 1.0);
            glVertex3d(fileira.X, v.Y, v.H);
        }
        glEnd();
    }
    glEndList();
}

void RecompilaListaSuperficie(const TPlanoSuperficie& plano, float escala) {
    glDeleteLists(ListaSuperficie, 1);
    CompilaListaSuperficie(plano, escala);
    glFlush();
}

void AjustaProjecao(double aspecto, int larguraDispositivo, int alturaDispositivo) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(99.0, aspecto, 1.0, 300.0);
    glViewport(0, 0, larguraDispositivo, alturaDispositivo);
}

void DesenhaQuadro(const TEstadoVista& vista, const TQuadroPopulacao& quadro, float escala) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // With the view state at 0 these two put x to the right, y away from the viewer and the
    // height axis up, with the base centre about 122 units ahead and below the line of sight.
    glRotatef(-80.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 110.0f, -80.0f);
    glRotatef(vista.AnguloX, 1.0f, 0.0f, 0.0f);
    glRotatef(vista.AnguloY, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, vista.DeslocY, vista.DeslocZ);
    glPushMatrix();
    glCallList(ListaSuperficie);
    DesenhaPopulacao(quadro, escala);
    DesenhaMelhor(quadro, escala);
    glPopMatrix();
    glFlush();
}

void DesenhaDestaques(const TDestaques& destaques, const TQuadroPopulacao& quadro, float escala) {
    const auto individuo = [&](int slot) {
        if (slot < 1 || slot > static_cast<int>(quadro.Individuos.size()))
            return;
        const TIndividuoQuadro& ind = quadro.Individuos[static_cast<std::size_t>(slot - 1)];
        Ponto(ind.Ponto);
        if (quadro.Paralelo)
            Ponto(ind.PontoY);
    };
    // Drawn over everything and unlit, so that the marks read the same from any angle.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glPointSize(7.0f * escala);
    glBegin(GL_POINTS);
    glColor3f(0.2f, 0.4f, 1.0f);
    for (const int slot : destaques.Pais)
        individuo(slot);
    glColor3f(1.0f, 0.1f, 0.1f);
    for (const TPontoModelo& p : destaques.Filhos)
        Ponto(p);
    glEnd();
    glPointSize(10.0f * escala);
    glBegin(GL_POINTS);
    glColor3f(1.0f, 1.0f, 1.0f);
    individuo(destaques.Marcado);
    glEnd();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glFlush();
}
