#include "gl_recorder.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>

namespace glrec {

namespace {

constexpr Matrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
constexpr std::size_t maxStackDepth = 32;

struct State {
    std::vector<Call> calls;
    std::vector<Matrix> modelview{identity};
    std::vector<Matrix> projection{identity};
    std::vector<Matrix> texture{identity};
    GLenum matrixMode = GL_MODELVIEW;
    std::set<GLenum> enabled;
    std::array<float, 4> color{1, 1, 1, 1};
    GLenum error = GL_NO_ERROR;
    bool insideBegin = false;
    GLuint nextTexture = 1;
    std::vector<unsigned char> textureImage;
    Callbacks callbacks;
    std::vector<Menu> menus;
    int currentMenu = 0;
    int windowWidth = 300;
    int windowHeight = 300;
    bool fullScreen = false;
    bool gameMode = false;
    bool gameModeFails = false;
    int elapsed = 0;
};

State& state() {
    static State s;
    return s;
}

void raise(GLenum error) {
    if (state().error == GL_NO_ERROR) {
        state().error = error;
    }
}

// Records a call that OpenGL refuses between glBegin and glEnd.
void record(const char* name, std::initializer_list<double> args = {}, const char* text = "") {
    state().calls.push_back(Call{name, std::vector<double>(args), text});
}

void recordOutside(const char* name, std::initializer_list<double> args = {}) {
    record(name, args);
    if (state().insideBegin) {
        raise(GL_INVALID_OPERATION);
    }
}

void recordValues(const char* name, std::vector<double> args) {
    state().calls.push_back(Call{name, std::move(args), ""});
}

std::vector<Matrix>& stack(GLenum mode) {
    switch (mode) {
        case GL_PROJECTION:
            return state().projection;
        case GL_TEXTURE:
            return state().texture;
        default:
            return state().modelview;
    }
}

Matrix& top() {
    return stack(state().matrixMode).back();
}

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix result{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += double(a[k * 4 + row]) * b[column * 4 + k];
            }
            result[column * 4 + row] = float(sum);
        }
    }
    return result;
}

void multiplyTop(const Matrix& m) {
    top() = multiply(top(), m);
}

void ortho(double l, double r, double b, double t, double n, double f) {
    Matrix m = identity;
    m[0] = float(2 / (r - l));
    m[5] = float(2 / (t - b));
    m[10] = float(-2 / (f - n));
    m[12] = float(-(r + l) / (r - l));
    m[13] = float(-(t + b) / (t - b));
    m[14] = float(-(f + n) / (f - n));
    multiplyTop(m);
}

int materialValueCount(GLenum pname) {
    return pname == GL_SHININESS ? 1 : (pname == GL_COLOR_INDEXES ? 3 : 4);
}

int lightValueCount(GLenum pname) {
    switch (pname) {
        case GL_SPOT_DIRECTION:
            return 3;
        case GL_AMBIENT:
        case GL_DIFFUSE:
        case GL_SPECULAR:
        case GL_POSITION:
            return 4;
        default:
            return 1;
    }
}

std::vector<double> withValues(std::initializer_list<double> head, const float* values, int n) {
    std::vector<double> args(head);
    for (int i = 0; i < n; ++i) {
        args.push_back(values[i]);
    }
    return args;
}

void setColor(float r, float g, float b, float a) {
    state().color = {r, g, b, a};
}

}  // namespace

void reset() {
    state() = State();
}

const std::vector<Call>& calls() {
    return state().calls;
}

int count(const std::string& name) {
    return int(std::count_if(calls().begin(), calls().end(),
                             [&](const Call& c) { return c.name == name; }));
}

std::vector<Call> named(const std::string& name) {
    std::vector<Call> result;
    for (const Call& c : calls()) {
        if (c.name == name) {
            result.push_back(c);
        }
    }
    return result;
}

int indexOf(const std::string& name, int from) {
    for (int i = std::max(from, 0); i < int(calls().size()); ++i) {
        if (calls()[i].name == name) {
            return i;
        }
    }
    return -1;
}

std::vector<std::string> names() {
    std::vector<std::string> result;
    for (const Call& c : calls()) {
        result.push_back(c.name);
    }
    return result;
}

const Callbacks& callbacks() {
    return state().callbacks;
}
const std::vector<Menu>& menus() {
    return state().menus;
}
Matrix currentMatrix(unsigned mode) {
    return stack(mode).back();
}
const std::vector<unsigned char>& lastTextureImage() {
    return state().textureImage;
}
bool isFullScreen() {
    return state().fullScreen;
}
bool isGameModeActive() {
    return state().gameMode;
}
void failGameMode(bool fail) {
    state().gameModeFails = fail;
}
void setElapsedTime(int milliseconds) {
    state().elapsed = milliseconds;
}

}  // namespace glrec

using namespace glrec;

extern "C" {

// ---- drawing between glBegin and glEnd ----

void glBegin(GLenum mode) {
    recordOutside("glBegin", {double(mode)});
    state().insideBegin = true;
}

void glEnd() {
    record("glEnd");
    if (!state().insideBegin) {
        raise(GL_INVALID_OPERATION);
    }
    state().insideBegin = false;
}

void glVertex2f(GLfloat x, GLfloat y) {
    record("glVertex2f", {x, y});
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    record("glVertex3f", {x, y, z});
}
void glVertex3fv(const GLfloat* v) {
    record("glVertex3fv", {v[0], v[1], v[2]});
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    record("glNormal3f", {x, y, z});
}
void glNormal3fv(const GLfloat* v) {
    record("glNormal3fv", {v[0], v[1], v[2]});
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    record("glTexCoord2f", {s, t});
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    record("glColor3f", {r, g, b});
    setColor(r, g, b, 1);
}

void glColor3fv(const GLfloat* v) {
    record("glColor3fv", {v[0], v[1], v[2]});
    setColor(v[0], v[1], v[2], 1);
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    record("glColor4f", {r, g, b, a});
    setColor(r, g, b, a);
}

void glColor4fv(const GLfloat* v) {
    record("glColor4fv", {v[0], v[1], v[2], v[3]});
    setColor(v[0], v[1], v[2], v[3]);
}

void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    recordValues("glMaterialfv",
                 withValues({double(face), double(pname)}, params, materialValueCount(pname)));
}

void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    record("glMaterialf", {double(face), double(pname), param});
}

// ---- state ----

void glEnable(GLenum cap) {
    recordOutside("glEnable", {double(cap)});
    state().enabled.insert(cap);
}

void glDisable(GLenum cap) {
    recordOutside("glDisable", {double(cap)});
    state().enabled.erase(cap);
}

GLboolean glIsEnabled(GLenum cap) {
    return state().enabled.count(cap) ? GL_TRUE : GL_FALSE;
}

GLenum glGetError() {
    GLenum error = state().error;
    state().error = GL_NO_ERROR;
    return error;
}

void glShadeModel(GLenum mode) {
    recordOutside("glShadeModel", {double(mode)});
}
void glDepthFunc(GLenum func) {
    recordOutside("glDepthFunc", {double(func)});
}
void glCullFace(GLenum mode) {
    recordOutside("glCullFace", {double(mode)});
}
void glFrontFace(GLenum mode) {
    recordOutside("glFrontFace", {double(mode)});
}
void glLineWidth(GLfloat width) {
    recordOutside("glLineWidth", {width});
}
void glPolygonMode(GLenum face, GLenum mode) {
    recordOutside("glPolygonMode", {double(face), double(mode)});
}
void glBlendFunc(GLenum s, GLenum d) {
    recordOutside("glBlendFunc", {double(s), double(d)});
}
void glHint(GLenum target, GLenum mode) {
    recordOutside("glHint", {double(target), double(mode)});
}
void glClear(GLbitfield mask) {
    recordOutside("glClear", {double(mask)});
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    recordOutside("glClearColor", {r, g, b, a});
}
void glFlush() {
    recordOutside("glFlush");
}
void glFinish() {
    recordOutside("glFinish");
}
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    recordOutside("glViewport", {double(x), double(y), double(w), double(h)});
}
void glColorMaterial(GLenum face, GLenum mode) {
    recordOutside("glColorMaterial", {double(face), double(mode)});
}
void glLightModelfv(GLenum pname, const GLfloat* params) {
    recordValues("glLightModelfv", withValues({double(pname)}, params, 4));
}
void glLightModeli(GLenum pname, GLint param) {
    recordOutside("glLightModeli", {double(pname), double(param)});
}

void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    recordValues("glLightfv",
                 withValues({double(light), double(pname)}, params, lightValueCount(pname)));
    if (state().insideBegin) {
        raise(GL_INVALID_OPERATION);
    }
}

void glLightf(GLenum light, GLenum pname, GLfloat param) {
    recordOutside("glLightf", {double(light), double(pname), param});
}

// ---- textures ----

void glGenTextures(GLsizei n, GLuint* textures) {
    recordOutside("glGenTextures", {double(n)});
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = state().nextTexture++;
    }
}

void glDeleteTextures(GLsizei n, const GLuint* textures) {
    std::vector<double> args{double(n)};
    for (GLsizei i = 0; i < n; ++i) {
        args.push_back(textures[i]);
    }
    recordValues("glDeleteTextures", std::move(args));
    if (state().insideBegin) {
        raise(GL_INVALID_OPERATION);
    }
}

void glBindTexture(GLenum target, GLuint texture) {
    recordOutside("glBindTexture", {double(target), double(texture)});
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    recordOutside("glTexParameteri", {double(target), double(pname), double(param)});
}

void glTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    recordOutside("glTexParameterf", {double(target), double(pname), param});
}

void glTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    recordOutside("glTexEnvf", {double(target), double(pname), param});
}

void glTexEnvi(GLenum target, GLenum pname, GLint param) {
    recordOutside("glTexEnvi", {double(target), double(pname), double(param)});
}

void glPixelStorei(GLenum pname, GLint param) {
    recordOutside("glPixelStorei", {double(pname), double(param)});
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    recordOutside("glTexImage2D",
                  {double(target), double(level), double(internalFormat), double(width),
                   double(height), double(border), double(format), double(type)});
    const int components = (format == GL_RGBA || format == GL_BGRA) ? 4 : 3;
    const auto* bytes = static_cast<const unsigned char*>(pixels);
    state().textureImage.assign(bytes, bytes + std::size_t(width) * height * components);
}

// ---- matrices ----

void glMatrixMode(GLenum mode) {
    recordOutside("glMatrixMode", {double(mode)});
    state().matrixMode = mode;
}

void glLoadIdentity() {
    recordOutside("glLoadIdentity");
    top() = identity;
}

void glLoadMatrixf(const GLfloat* m) {
    recordValues("glLoadMatrixf", withValues({}, m, 16));
    std::copy(m, m + 16, top().begin());
}

void glMultMatrixf(const GLfloat* m) {
    recordValues("glMultMatrixf", withValues({}, m, 16));
    Matrix factor;
    std::copy(m, m + 16, factor.begin());
    multiplyTop(factor);
}

void glPushMatrix() {
    recordOutside("glPushMatrix");
    auto& s = stack(state().matrixMode);
    if (s.size() >= maxStackDepth) {
        raise(GL_STACK_OVERFLOW);
        return;
    }
    s.push_back(s.back());
}

void glPopMatrix() {
    recordOutside("glPopMatrix");
    auto& s = stack(state().matrixMode);
    if (s.size() <= 1) {
        raise(GL_STACK_UNDERFLOW);
        return;
    }
    s.pop_back();
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    recordOutside("glTranslatef", {x, y, z});
    Matrix m = identity;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    multiplyTop(m);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    recordOutside("glScalef", {x, y, z});
    Matrix m = identity;
    m[0] = x;
    m[5] = y;
    m[10] = z;
    multiplyTop(m);
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    recordOutside("glRotatef", {angle, x, y, z});
    const double length = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (length == 0) {
        return;
    }
    const double ux = x / length, uy = y / length, uz = z / length;
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    const Matrix m = {float(t * ux * ux + c),
                      float(t * ux * uy + s * uz),
                      float(t * ux * uz - s * uy),
                      0,
                      float(t * ux * uy - s * uz),
                      float(t * uy * uy + c),
                      float(t * uy * uz + s * ux),
                      0,
                      float(t * ux * uz + s * uy),
                      float(t * uy * uz - s * ux),
                      float(t * uz * uz + c),
                      0,
                      0,
                      0,
                      0,
                      1};
    multiplyTop(m);
}

void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    recordOutside("glOrtho", {l, r, b, t, n, f});
    ortho(l, r, b, t, n, f);
}

void glGetFloatv(GLenum pname, GLfloat* params) {
    recordOutside("glGetFloatv", {double(pname)});
    switch (pname) {
        case GL_MODELVIEW_MATRIX:
            std::copy(state().modelview.back().begin(), state().modelview.back().end(), params);
            break;
        case GL_PROJECTION_MATRIX:
            std::copy(state().projection.back().begin(), state().projection.back().end(), params);
            break;
        case GL_CURRENT_COLOR:
            std::copy(state().color.begin(), state().color.end(), params);
            break;
        default:
            raise(GL_INVALID_ENUM);
    }
}

void glGetIntegerv(GLenum pname, GLint* params) {
    recordOutside("glGetIntegerv", {double(pname)});
    if (pname == GL_MATRIX_MODE) {
        params[0] = GLint(state().matrixMode);
    } else if (pname == GL_MODELVIEW_STACK_DEPTH) {
        params[0] = GLint(state().modelview.size());
    } else {
        raise(GL_INVALID_ENUM);
    }
}

void glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    recordOutside("glRectf", {x1, y1, x2, y2});
}

// ---- GLU ----

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    recordOutside("gluPerspective", {fovy, aspect, zNear, zFar});
    const double f = 1.0 / std::tan(fovy * 3.14159265358979323846 / 360.0);
    Matrix m{};
    m[0] = float(f / aspect);
    m[5] = float(f);
    m[10] = float((zFar + zNear) / (zNear - zFar));
    m[11] = -1;
    m[14] = float(2 * zFar * zNear / (zNear - zFar));
    multiplyTop(m);
}

void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top) {
    recordOutside("gluOrtho2D", {left, right, bottom, top});
    ortho(left, right, bottom, top, -1, 1);
}

// ---- GLUT ----

void glutInit(int* argc, char** argv) {
    (void)argv;
    record("glutInit", {double(argc ? *argc : 0)});
}

void glutInitDisplayMode(unsigned int mode) {
    record("glutInitDisplayMode", {double(mode)});
}
void glutInitWindowSize(int w, int h) {
    record("glutInitWindowSize", {double(w), double(h)});
}
void glutInitWindowPosition(int x, int y) {
    record("glutInitWindowPosition", {double(x), double(y)});
}

int glutCreateWindow(const char* title) {
    record("glutCreateWindow", {}, title);
    return 1;
}

void glutReshapeWindow(int w, int h) {
    record("glutReshapeWindow", {double(w), double(h)});
    state().windowWidth = w;
    state().windowHeight = h;
    state().fullScreen = false;
}

void glutPositionWindow(int x, int y) {
    record("glutPositionWindow", {double(x), double(y)});
}

void glutFullScreen() {
    record("glutFullScreen");
    state().fullScreen = true;
}

void glutLeaveFullScreen() {
    record("glutLeaveFullScreen");
    state().fullScreen = false;
}

void glutFullScreenToggle() {
    record("glutFullScreenToggle");
    state().fullScreen = !state().fullScreen;
}

void glutGameModeString(const char* mode) {
    record("glutGameModeString", {}, mode);
}

int glutEnterGameMode() {
    record("glutEnterGameMode");
    state().gameMode = !state().gameModeFails;
    return 2;
}

void glutLeaveGameMode() {
    record("glutLeaveGameMode");
    state().gameMode = false;
}

int glutGameModeGet(GLenum query) {
    record("glutGameModeGet", {double(query)});
    return query == GLUT_GAME_MODE_ACTIVE ? int(state().gameMode) : 0;
}

int glutGet(GLenum query) {
    record("glutGet", {double(query)});
    switch (query) {
        case GLUT_WINDOW_WIDTH:
            return state().windowWidth;
        case GLUT_WINDOW_HEIGHT:
            return state().windowHeight;
        case GLUT_ELAPSED_TIME:
            return state().elapsed;
        default:
            return 0;
    }
}

void glutSetWindow(int window) {
    record("glutSetWindow", {double(window)});
}
int glutGetWindow() {
    return 1;
}
void glutDestroyWindow(int window) {
    record("glutDestroyWindow", {double(window)});
}
void glutSetKeyRepeat(int mode) {
    record("glutSetKeyRepeat", {double(mode)});
}
void glutIgnoreKeyRepeat(int ignore) {
    record("glutIgnoreKeyRepeat", {double(ignore)});
}
int glutGetModifiers() {
    return 0;
}

void glutDisplayFunc(void (*f)()) {
    record("glutDisplayFunc");
    state().callbacks.display = f;
}

void glutReshapeFunc(void (*f)(int, int)) {
    record("glutReshapeFunc");
    state().callbacks.reshape = f;
}

void glutIdleFunc(void (*f)()) {
    record("glutIdleFunc");
    state().callbacks.idle = f;
}

void glutKeyboardFunc(void (*f)(unsigned char, int, int)) {
    record("glutKeyboardFunc");
    state().callbacks.keyboard = f;
}

void glutKeyboardUpFunc(void (*f)(unsigned char, int, int)) {
    record("glutKeyboardUpFunc");
    state().callbacks.keyboardUp = f;
}

void glutSpecialFunc(void (*f)(int, int, int)) {
    record("glutSpecialFunc");
    state().callbacks.special = f;
}

void glutSpecialUpFunc(void (*f)(int, int, int)) {
    record("glutSpecialUpFunc");
    state().callbacks.specialUp = f;
}

int glutCreateMenu(void (*f)(int)) {
    record("glutCreateMenu");
    state().menus.push_back(Menu{f, {}, -1});
    state().currentMenu = int(state().menus.size());
    return state().currentMenu;
}

static Menu* currentMenu() {
    int index = state().currentMenu - 1;
    return index >= 0 && index < int(state().menus.size()) ? &state().menus[index] : nullptr;
}

void glutSetMenu(int menu) {
    record("glutSetMenu", {double(menu)});
    state().currentMenu = menu;
}

int glutGetMenu() {
    return state().currentMenu;
}

void glutAddMenuEntry(const char* label, int value) {
    record("glutAddMenuEntry", {double(value)}, label);
    if (Menu* menu = currentMenu()) {
        menu->entries.push_back(MenuEntry{label, value, false});
    }
}

void glutAddSubMenu(const char* label, int subMenu) {
    record("glutAddSubMenu", {double(subMenu)}, label);
    if (Menu* menu = currentMenu()) {
        menu->entries.push_back(MenuEntry{label, subMenu, true});
    }
}

void glutAttachMenu(int button) {
    record("glutAttachMenu", {double(button)});
    if (Menu* menu = currentMenu()) {
        menu->attachedButton = button;
    }
}

void glutPostRedisplay() {
    record("glutPostRedisplay");
}
void glutSwapBuffers() {
    record("glutSwapBuffers");
}
void glutMainLoop() {
    record("glutMainLoop");
}
void glutLeaveMainLoop() {
    record("glutLeaveMainLoop");
}
void glutWireCube(GLdouble size) {
    recordOutside("glutWireCube", {size});
}
void glutSolidCube(GLdouble size) {
    recordOutside("glutSolidCube", {size});
}

}  // extern "C"
