// Lit meshes: the vertex in clip space, and the world-space position, normal
// (and tangent, with NORMAL_MAP) the fragment program lights with.
attribute vec4 vertex;
attribute vec3 normal;
attribute vec2 uv0;
#ifdef NORMAL_MAP
attribute vec3 tangent;
#endif

uniform mat4 worldViewProj;
uniform mat4 world;
// The shadow camera's projection, for surfaces that receive shadows. Ogre
// writes it only while the scene renders texture shadows; otherwise it holds
// whatever memory held, and the fragment program must not use shadowUV.
uniform mat4 texViewProj;

varying vec2 uv;
varying vec3 worldPosition;
varying vec3 worldNormal;
#ifdef NORMAL_MAP
varying vec3 worldTangent;
#endif
varying vec4 shadowUV;

void main()
{
    vec4 position = world * vertex;
    worldPosition = position.xyz;
    worldNormal = (world * vec4(normal, 0.0)).xyz;
#ifdef NORMAL_MAP
    worldTangent = (world * vec4(tangent, 0.0)).xyz;
#endif
    shadowUV = texViewProj * position;
    uv = uv0;
    gl_Position = worldViewProj * vertex;
}
