#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gl_recorder.h"
#include "models/light.h"

using namespace vortimbal;

TEST(Lights, UploadSendsColoursPositionAndTheFixedAttenuationInOrder) {
    glrec::reset();
    Light light(GL_LIGHT2);
    light.upload();  // a new light: white, at (1, 1, 1, 1)
    light.enable();
    light.diffuse.set(0.25f, 0.5f, 0.75f);
    light.position.set(5, 20, 5, 1);
    light.upload();
    const std::vector<std::string> one = {"glLightfv", "glLightfv", "glLightfv", "glLightfv",
                                          "glLightf",  "glLightf",  "glLightf"};
    std::vector<std::string> expected = one;
    expected.push_back("glEnable");
    expected.insert(expected.end(), one.begin(), one.end());
    EXPECT_EQ(glrec::names(), expected);

    const auto& calls = glrec::calls();
    for (int i : {0, 1, 2, 3}) {
        EXPECT_EQ(calls[i].args,
                  (std::vector<double>{GL_LIGHT2, double(GL_AMBIENT + i), 1, 1, 1, 1}));
    }
    EXPECT_EQ(calls[4].args, (std::vector<double>{GL_LIGHT2, GL_CONSTANT_ATTENUATION, 0}));
    EXPECT_EQ(calls[5].args, (std::vector<double>{GL_LIGHT2, GL_LINEAR_ATTENUATION, 0.002f}));
    EXPECT_EQ(calls[6].args, (std::vector<double>{GL_LIGHT2, GL_QUADRATIC_ATTENUATION, 0.001f}));
    EXPECT_EQ(calls[9].args, (std::vector<double>{GL_LIGHT2, GL_DIFFUSE, 0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(calls[11].args, (std::vector<double>{GL_LIGHT2, GL_POSITION, 5, 20, 5, 1}));
}

TEST(Lights, ToggleSwitchesOnThenOff) {
    glrec::reset();
    Light light(GL_LIGHT1);
    EXPECT_FALSE(light.isEnabled());
    light.toggle();
    EXPECT_TRUE(light.isEnabled());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    Light copy = light;
    EXPECT_TRUE(copy.isEnabled());
    light.toggle();
    EXPECT_FALSE(light.isEnabled());
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(glrec::names(), (std::vector<std::string>{"glEnable", "glDisable"}));
}
