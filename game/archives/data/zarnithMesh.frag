// Lit meshes: diffuse and specular light of the first light, the surface's
// own glow (ambient texture), a fresnel-weighted reflection of the cube map
// and, while "isShadow" is 1, the shadow texture. The runtime writes
// "specularMult", "shininess", "fresnelmul" and "isShadow" per material.
uniform sampler2D diffuseMap;      // unit "diffuse_tex"
uniform sampler2D specularMap;     // unit "specular_tex"
uniform sampler2D ambientMap;      // unit "ambient_tex"
uniform samplerCube reflectionMap; // unit "reflection_tex"
uniform sampler2D shadowMap;       // unit "shadow_tex"
#ifdef NORMAL_MAP
uniform sampler2D normalMap;       // unit "normals_tex"
#endif

uniform vec4 lightPosition;        // world space; w = 0 for a directional light
uniform vec4 lightDiffuse;
uniform vec4 ambientLight;
uniform vec4 cameraPosition;

uniform float specularMult;
uniform float shininess;
uniform float fresnelmul;
uniform float isShadow;
// The hit flash and invincibility blink: rgb added, weighted by alpha.
uniform vec4 flash;

varying vec2 uv;
varying vec3 worldPosition;
varying vec3 worldNormal;
#ifdef NORMAL_MAP
varying vec3 worldTangent;
#endif
varying vec4 shadowUV;

vec3 surfaceNormal()
{
    vec3 n = normalize(worldNormal);
#ifdef NORMAL_MAP
    vec3 t = normalize(worldTangent - n * dot(n, worldTangent));
    vec3 b = cross(n, t);
    vec3 m = texture2D(normalMap, uv).xyz * 2.0 - 1.0;
    n = normalize(t * m.x + b * m.y + n * m.z);
#endif
    return n;
}

void main()
{
    vec4 diffuse = texture2D(diffuseMap, uv);
    vec3 n = surfaceNormal();
    vec3 toLight = normalize(lightPosition.xyz - worldPosition * lightPosition.w);
    vec3 toEye = normalize(cameraPosition.xyz - worldPosition);

    float lambert = max(dot(n, toLight), 0.0);
    // The runtime sets "isShadow" only while the scene renders texture shadows:
    // without them Ogre never writes the projection, and shadowUV is garbage.
    float lit = isShadow > 0.5 ? texture2DProj(shadowMap, shadowUV).r : 1.0;
    vec3 halfway = normalize(toLight + toEye);
    float specular = pow(max(dot(n, halfway), 0.0), max(shininess, 1.0)) * specularMult * lambert;
    float fresnel = pow(1.0 - max(dot(n, toEye), 0.0), 5.0) * fresnelmul;
    vec3 reflection = textureCube(reflectionMap, reflect(-toEye, n)).rgb;

    vec3 colour = diffuse.rgb * (ambientLight.rgb + lightDiffuse.rgb * lambert * lit)
                + texture2D(specularMap, uv).rgb * lightDiffuse.rgb * specular * lit
                + texture2D(ambientMap, uv).rgb
                + reflection * fresnel;
    gl_FragColor = vec4(colour + flash.rgb * flash.a, diffuse.a);
}
