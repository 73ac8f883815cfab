# Sourced by the tests that start the real program from a scratch folder, so that its register,
# which lies beside the program, starts afresh there.
#   copy_program PROGRAM FOLDER
# copies PROGRAM to FOLDER/bin/cyclara, and the folder of the modules it opens
# ($CYCLARA_MODULE_FOLDER, which ctest sets) to the same place relative to it as in the build.
copy_program() {
    local program=$1 folder=$2 modules=${CYCLARA_MODULE_FOLDER:?the folder of the modules is not given}
    local relative
    relative=$(realpath --relative-to="$(dirname "$program")" "$modules")
    mkdir -p "$folder/bin/$relative"
    cp "$program" "$folder/bin/cyclara" && cp "$modules"/*.so "$folder/bin/$relative/"
}
