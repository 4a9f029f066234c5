#include "table_writer.h"

#include <cassert>
#include <charconv>

namespace {

// A float literal: shortest round-trip digits, with a '.' added when they have neither a
// point nor an exponent ("2" is not a float literal, "2.f" is).
std::string floatLiteral(double value) {
    char digits[32];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, float(value));
    assert(ec == std::errc());
    std::string text(digits, end);
    if (text.find_first_of(".e") == std::string::npos)
        text += '.';
    return text + 'f';
}

} // namespace

void writeHeader(std::ostream& out, const std::string& what, const std::string& include) {
    out << "// " << what << ", written by the mesh generator (tools/meshes) at build time.\n"
        << "#include \"" << include << "\"\n\n#include <iterator>\n\nnamespace {\n\n";
}

void writeVertices(std::ostream& out, const std::string& name, const std::vector<P3>& positions,
                   const std::vector<P3>& texture, const std::string& countName) {
    assert(positions.size() == texture.size());
    out << "constexpr MeshVertex " << name << "[] = {\n";
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const P3 &p = positions[i], &t = texture[i];
        out << "    {" << floatLiteral(p.x) << ", " << floatLiteral(p.y) << ", "
            << floatLiteral(p.z) << ", " << floatLiteral(t.x) << ", " << floatLiteral(t.y) << ", "
            << floatLiteral(t.z) << "},\n";
    }
    out << "};\nstatic_assert(std::size(" << name << ") == " << countName << ");\n\n";
}

void writeTriangles(std::ostream& out, const std::string& name,
                    const std::vector<std::array<int, 3>>& triangles,
                    const std::string& countName) {
    out << "constexpr MeshTriangle " << name << "[] = {\n";
    for (std::size_t i = 0; i < triangles.size(); ++i) {
        const auto& [a, b, c] = triangles[i];
        out << (i % 4 == 0 ? "    " : " ") << '{' << a << ", " << b << ", " << c << "},"
            << (i % 4 == 3 || i + 1 == triangles.size() ? "\n" : "");
    }
    out << "};\nstatic_assert(std::size(" << name << ") == " << countName << ");\n\n";
}
