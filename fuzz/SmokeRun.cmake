# One bounded, reproducible fuzz run: a fresh scratch corpus, the committed seeds, a fixed random seed,
# at most RUNS inputs and 10 seconds per input. Run as cmake -DFUZZER=... -DRUNS=... -DCORPUS=... -DSEEDS=... -P.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS})
execute_process(
    COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -timeout=10 -max_len=256 -print_final_stats=1
        -artifact_prefix=${CORPUS}- ${CORPUS} ${SEEDS}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${status}); the failing input is saved as ${CORPUS}-crash-*")
endif()
