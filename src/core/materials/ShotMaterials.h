// Materials of sprite shots ("bullet_" + texture), laser beams ("laser_" +
// texture) and particles ("particle_" + texture), one per texture in
// "GAMERSC", cloned from the alpha or the additive template by whether the
// texture has alpha; and the frame constants of shots and lasers.
#pragma once

#include <string>

void createBulletMaterials(const std::string& texture);
// Makes the laser material; returns the aspect (width / height) of one frame.
float createLaserMaterials(const std::string& texture);
void setBulletAnimationParameters(const std::string& texture, bool isLaser, float aspect);
void createParticleMaterial(const std::string& texture);
