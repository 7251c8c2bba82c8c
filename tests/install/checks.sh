# Counts the checks of a shell test and closes with "N passed, N failed".
passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
    fi
}
summary() {  # prints the closing line; fails when a check failed
    echo "$passed passed, $failed failed"
    [ "$failed" = 0 ]
}
