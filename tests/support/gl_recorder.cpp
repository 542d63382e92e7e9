// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "gl_recorder.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>
#include <GL/glx.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <utility>

namespace glrec {

State& state() {
    static State s;
    return s;
}

namespace {

void raise(GLenum error) {
    if (state().error == GL_NO_ERROR) {
        state().error = error;
    }
}

// Records a call; OpenGL refuses all but a few between glBegin and glEnd.
void record(const char* name, std::vector<double> args = {}, const char* text = "") {
    static const std::set<std::string> allowedInside = {"glVertex3f",  "glNormal3f", "glTexCoord2f",
                                                        "glColor3f",   "glColor3fv", "glColor4fv",
                                                        "glMaterialfv"};
    if (state().insideBegin && name[1] == 'l' && allowedInside.count(name) == 0) {
        raise(GL_INVALID_OPERATION);
    }
    state().calls.push_back(Call{name, std::move(args), text});
}

std::vector<double> values(std::initializer_list<double> head, const float* v, int n) {
    std::vector<double> args(head);
    args.insert(args.end(), v, v + n);
    return args;
}

}  // namespace

std::vector<Call> named(const std::string& name) {
    std::vector<Call> result;
    std::copy_if(calls().begin(), calls().end(), std::back_inserter(result),
                 [&](const Call& c) { return c.name == name; });
    return result;
}
int indexOf(const std::string& name) {
    const auto found =
        std::find_if(calls().begin(), calls().end(), [&](const Call& c) { return c.name == name; });
    return found == calls().end() ? -1 : int(found - calls().begin());
}

}  // namespace glrec

using namespace glrec;

// Calls whose only effect is to be recorded, with their arguments as numbers.
#define RECORDED(name, params, ...)   \
    void name params {                \
        record(#name, {__VA_ARGS__}); \
    }

// The same, followed by one effect on the stand-in's state.
#define RECORDED_THEN(name, params, effect, ...) \
    void name params {                           \
        record(#name, {__VA_ARGS__});            \
        effect;                                  \
    }

extern "C" {

RECORDED_THEN(glBegin, (GLenum mode), state().insideBegin = true, double(mode))
RECORDED_THEN(glEnable, (GLenum cap), state().enabled.insert(cap), double(cap))
RECORDED_THEN(glDisable, (GLenum cap), state().enabled.erase(cap), double(cap))
RECORDED_THEN(glPushMatrix, (), ++state().stackDepth)
RECORDED_THEN(glutReshapeWindow, (int w, int h), state().fullScreen = false, double(w), double(h))
RECORDED_THEN(glutFullScreen, (), state().fullScreen = true)
RECORDED_THEN(glutLeaveGameMode, (), state().gameMode = false)
RECORDED(glLightfv, (GLenum light, GLenum pname, const GLfloat*), double(light), double(pname))
RECORDED(glTexImage2D,
         (GLenum target, GLint, GLint, GLsizei w, GLsizei h, GLint, GLenum, GLenum, const GLvoid*),
         double(target), double(w), double(h))

RECORDED(glVertex3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glNormal3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glTexCoord2f, (GLfloat s, GLfloat t), s, t)
RECORDED(glClear, (GLbitfield mask), double(mask))
RECORDED(glShadeModel, (GLenum mode), double(mode))
RECORDED(glDepthFunc, (GLenum func), double(func))
RECORDED(glCullFace, (GLenum mode), double(mode))
RECORDED(glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), r, g, b, a)
RECORDED(glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), double(x), double(y), double(w),
         double(h))
RECORDED(glColorMaterial, (GLenum face, GLenum mode), double(face), double(mode))
RECORDED(glLightf, (GLenum light, GLenum pname, GLfloat v), double(light), double(pname), v)
RECORDED(glDeleteTextures, (GLsizei n, const GLuint*), double(n))
RECORDED(glBindTexture, (GLenum target, GLuint name), double(target), double(name))
RECORDED(glTexParameteri, (GLenum target, GLenum pname, GLint v), double(target), double(pname),
         double(v))
RECORDED(glTexEnvf, (GLenum target, GLenum pname, GLfloat v), double(target), double(pname), v)
RECORDED(glPixelStorei, (GLenum pname, GLint v), double(pname), double(v))
RECORDED(glMatrixMode, (GLenum mode), double(mode))
RECORDED(glLoadIdentity, ())
RECORDED(glTranslatef, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), angle, x, y, z)
RECORDED(glMultMatrixf, (const GLfloat* m), m[12], m[13], m[14])
RECORDED(glPushAttrib, (GLbitfield mask), double(mask))
RECORDED(glPopAttrib, ())
RECORDED(gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble n, GLdouble f), fovy, aspect, n,
         f)
RECORDED(gluOrtho2D, (GLdouble l, GLdouble r, GLdouble b, GLdouble t), l, r, b, t)
RECORDED(glutInit, (int*, char**))
RECORDED(glutInitDisplayMode, (unsigned int mode), double(mode))
RECORDED(glutInitWindowSize, (int w, int h), double(w), double(h))
RECORDED(glutInitWindowPosition, (int x, int y), double(x), double(y))
RECORDED_THEN(glutSetWindow, (int window), state().window = window, double(window))
RECORDED(glutDestroyWindow, (int window), double(window))
RECORDED(glutSetMenu, (int menu), double(menu))
RECORDED(glutIgnoreKeyRepeat, (int ignore), double(ignore))
RECORDED(glutDisplayFunc, (void (*)()))
RECORDED(glutIdleFunc, (void (*)()))
RECORDED(glutKeyboardUpFunc, (void (*)(unsigned char, int, int)))
RECORDED(glutSpecialUpFunc, (void (*)(int, int, int)))
RECORDED(glutReshapeFunc, (void (*)(int, int)))
RECORDED(glutKeyboardFunc, (void (*)(unsigned char, int, int)))
RECORDED(glutSpecialFunc, (void (*)(int, int, int)))
RECORDED(glutAddMenuEntry, (const char*, int value), double(value))
RECORDED(glutAddSubMenu, (const char*, int menu), double(menu))
RECORDED(glutChangeToMenuEntry, (int item, const char*, int value), double(item), double(value))
RECORDED(glutAttachMenu, (int button), double(button))
RECORDED(glutPostRedisplay, ())
RECORDED(glutSwapBuffers, ())
RECORDED(glutWireCube, (GLdouble size), size)
RECORDED(glutWindowStatusFunc, (void (*)(int)))
RECORDED(glutMenuStatusFunc, (void (*)(int, int, int)))
RECORDED(glutMotionFunc, (void (*)(int, int)))
RECORDED(glutPassiveMotionFunc, (void (*)(int, int)))
RECORDED(glutMouseFunc, (void (*)(int, int, int, int)))
RECORDED(glutEntryFunc, (void (*)(int)))
RECORDED(glutWarpPointer, (int x, int y), double(x), double(y))
RECORDED(glutSetCursor, (int cursor), double(cursor))
RECORDED(glutCloseFunc, (void (*)()))
RECORDED(glutSetOption, (GLenum option, int value), double(option), double(value))
RECORDED(glNewList, (GLuint list, GLenum mode), double(list), double(mode))
RECORDED(glEndList, ())
RECORDED(glBlendFunc, (GLenum source, GLenum destination), double(source), double(destination))
RECORDED(glCallList, (GLuint list), double(list))
RECORDED(glEnableClientState, (GLenum array), double(array))
RECORDED(glDisableClientState, (GLenum array), double(array))
RECORDED(glVertexPointer, (GLint size, GLenum type, GLsizei stride, const void*), double(size),
         double(type), double(stride))
RECORDED(glNormalPointer, (GLenum type, GLsizei stride, const void*), double(type), double(stride))
RECORDED(glColorPointer, (GLint size, GLenum type, GLsizei stride, const void*), double(size),
         double(type), double(stride))
RECORDED(glDrawElements, (GLenum mode, GLsizei count, GLenum type, const void*), double(mode),
         double(count), double(type))
RECORDED(glDeleteLists, (GLuint list, GLsizei n), double(list), double(n))

void glEnd() {
    if (!state().insideBegin) {
        raise(GL_INVALID_OPERATION);
    }
    state().insideBegin = false;
    record("glEnd");
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    record("glColor3f", {r, g, b});
    state().color = {r, g, b, 1};
}
void glColor3fv(const GLfloat* v) {
    glColor3f(v[0], v[1], v[2]);
}
void glColor4fv(const GLfloat* v) {
    record("glColor4fv", {v[0], v[1], v[2], v[3]});
    state().color = {v[0], v[1], v[2], v[3]};
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* v) {
    record("glMaterialfv", values({double(face), double(pname)}, v, pname == GL_SHININESS ? 1 : 4));
}
GLboolean glIsEnabled(GLenum cap) {
    return state().enabled.count(cap) ? GL_TRUE : GL_FALSE;
}
GLenum glGetError() {
    return std::exchange(state().error, unsigned(GL_NO_ERROR));
}
void glGetFloatv(GLenum pname, GLfloat* params) {
    record("glGetFloatv", {double(pname)});
    static const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    if (pname == GL_CURRENT_COLOR) {
        std::copy(state().color.begin(), state().color.end(), params);
    } else {
        std::copy(identity, identity + 16, params);
    }
}
void glGetDoublev(GLenum pname, GLdouble* params) {
    record("glGetDoublev", {double(pname)});
    std::fill(params, params + 16, 0.0);
}
// No window here: an empty viewport, so nothing is projected onto it.
void glGetIntegerv(GLenum pname, GLint* params) {
    record("glGetIntegerv", {double(pname)});
    std::fill(params, params + 4, 0);
}
GLint gluProject(GLdouble, GLdouble, GLdouble, const GLdouble*, const GLdouble*, const GLint*,
                 GLdouble*, GLdouble*, GLdouble*) {
    return GL_FALSE;
}
RECORDED(glReadBuffer, (GLenum mode), double(mode))
void glReadPixels(GLint, GLint, GLsizei w, GLsizei h, GLenum, GLenum, GLvoid* pixels) {
    record("glReadPixels", {double(w), double(h)});
    std::fill_n(static_cast<unsigned char*>(pixels), std::size_t(w) * std::size_t(h) * 3, 0);
}
// No display lists here: faces draw call by call, as they do without lists.
GLuint glGenLists(GLsizei) {
    return 0;
}
void glGenTextures(GLsizei n, GLuint* names) {
    record("glGenTextures", {double(n)});
    std::generate(names, names + n, [] { return state().nextTexture++; });
}

// ---- matrices: only the depth of the stack is kept ----

void glPopMatrix() {
    record("glPopMatrix");
    if (state().stackDepth <= 1) {
        raise(GL_STACK_UNDERFLOW);
        return;
    }
    --state().stackDepth;
}

// ---- GLUT ----

int glutCreateWindow(const char* title) {
    record("glutCreateWindow", {}, title);
    return 1;
}
int glutEnterGameMode() {
    record("glutEnterGameMode");
    state().gameMode = !state().gameModeFails;
    return 2;
}
int glutGetWindow() {
    return state().window;
}
// No screen: every measure is nothing.
int glutGet(GLenum) {
    return 0;
}
int glutGameModeGet(GLenum query) {
    return query == GLUT_GAME_MODE_ACTIVE ? int(state().gameMode) : 0;
}
// ---- GLX: no display, so no swap control is looked up ----

Display* glXGetCurrentDisplay() {
    return nullptr;
}
GLXDrawable glXGetCurrentDrawable() {
    return 0;
}
const char* glXQueryExtensionsString(Display*, int) {
    return nullptr;
}
__GLXextFuncPtr glXGetProcAddressARB(const GLubyte*) {
    return nullptr;
}

int glutCreateMenu(void (*)(int)) {
    record("glutCreateMenu");
    return count("glutCreateMenu");
}

int glutGetMenu() {
    record("glutGetMenu");
    return 0;
}

}  // extern "C"
